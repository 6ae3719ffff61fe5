#pragma once

#include "platform/profile/Profile.h"
#include "ui/app/CBinderDlg.h"
#include "ui/app/DialogTemplate.h"
#include "ui/app/FileDialogs.h"
#include "ui/app/Globals.h"
#include "ui/app/MessageBoxes.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <array>
#include <functional>
#include <initializer_list>
#include <memory>

namespace cssbinder::test {

// A clean start: its own home, profile and game folder (with cstrike/cfg), an empty document, no game path.
class MainWindowFixture {
public:
    MainWindowFixture() {
        qputenv("HOME", QFile::encodeName(HomeFolder()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_root.filePath(QStringLiteral("config"))));
        QDir().mkpath(HomeFolder());
        QDir().mkpath(ConfigFolder());
        g_configEntries = ConfigDocument();
        g_gamePath.clear();
    }

    QString HomeFolder() const { return m_root.filePath(QStringLiteral("home")); }
    QString GameFolder() const { return m_root.filePath(QStringLiteral("game")); }
    QString ConfigFolder() const { return m_root.filePath(QStringLiteral("game/cstrike/cfg")); }

    // Opens the main window as the program does (its start-up runs before it shows).
    std::unique_ptr<CBinderDlg> Open(QScreen* screen = nullptr) const {
        auto window = std::make_unique<CBinderDlg>();
        if (screen != nullptr) {
            window->setScreen(screen);
        }
        window->show();
        return window;
    }
    // The same on a profile that already knows the game folder, so no question comes first.
    std::unique_ptr<CBinderDlg> OpenWithGameFolder(QScreen* screen = nullptr) const {
        QTest::qVerify(WriteProfile(ProfileKey::GamePath, GameFolder()).isEmpty(), "WriteProfile",
                       "the profile", __FILE__, __LINE__);
        return Open(screen);
    }

private:
    QTemporaryDir m_root;
};

inline QAbstractButton* Button(const QWidget& dialog, int controlId) {
    return ControlOf<QAbstractButton>(dialog, controlId);
}
inline void Click(QWidget* control) {
    QVERIFY(control != nullptr);
    QTest::mouseClick(control, Qt::LeftButton);
}

// While it lives, each message box takes the next button and each file dialog the next path (empty
// cancels), unshown. Shown() gives each box's text, each dialog's folder (and file), then a line for each
// missing and each left-over answer.
class Answers {
public:
    explicit Answers(std::initializer_list<QMessageBox::StandardButton> buttons = {},
                     const QStringList& files = {})
        : m_buttons(buttons), m_files(files) {
        SetMessageAnswererForTests([this](const QString& text, QMessageBox::StandardButtons offered) {
            m_messages.append(text);
            if (m_buttons.isEmpty() || !offered.testFlag(m_buttons.constFirst())) {
                m_unexpected.append(QStringLiteral("no answer for this box"));
                return QMessageBox::NoButton;
            }
            return m_buttons.takeFirst();
        });
        SetFileChooserForTests([this](const FileRequest& request) {
            const QString folder = QDir(request.folder).absolutePath();
            m_offered.append(request.fileName.isEmpty() ? folder : folder + u'/' + request.fileName);
            if (m_files.isEmpty()) {
                m_unexpected.append(QStringLiteral("no file for this dialog"));
                return QString();
            }
            return m_files.takeFirst();
        });
    }
    ~Answers() {
        SetMessageAnswererForTests({});
        SetFileChooserForTests({});
    }
    Q_DISABLE_COPY(Answers)
    QStringList Shown() const {
        return m_messages + m_offered + m_unexpected +
               QStringList(m_buttons.size() + m_files.size(), QStringLiteral("an answer left over"));
    }
    const QStringList& Messages() const { return m_messages; }

private:
    QList<QMessageBox::StandardButton> m_buttons;
    QStringList m_files;
    QStringList m_messages;
    QStringList m_offered;
    QStringList m_unexpected;
};
// Runs the action, or clicks the control, with those answers; returns what they showed.
inline QStringList Answer(const std::function<void()>& action,
                          std::initializer_list<QMessageBox::StandardButton> buttons = {},
                          const QStringList& files = {}) {
    const Answers answers(buttons, files);
    action();
    return answers.Shown();
}
inline QStringList Press(QWidget* control, std::initializer_list<QMessageBox::StandardButton> buttons = {},
                         const QStringList& files = {}) {
    return Answer([control] { Click(control); }, buttons, files);
}
// The document as a preview box shows it: the box keeps line feeds only.
inline QString DocumentText() {
    return QString::fromStdString(g_configEntries.Render())
        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}
// The preview box's text when it shows exactly the document, else both, so that a comparison fails.
inline QString Committed(const CBinderDlg& window) {
    const QString document = DocumentText();
    const QString shown = window.m_editPreview->toPlainText();
    return shown == document ? shown : QStringLiteral("preview box: %1, document: %2").arg(shown, document);
}
inline void Pick(QComboBox* combo, int position) {
    combo->setCurrentIndex(position);
    emit combo->activated(position);
}
inline void ClickFlag(const CBinderDlg& window, int language) {
    constexpr std::array<int, 5> kFlags{1113, 1109, 1110, 1111, 1112};
    Click(ControlOf<QWidget>(window, kFlags.at(static_cast<std::size_t>(language))));
}

// Stands in for the web browser and mail program while it lives.
class LinkCatcher : public QObject {
    Q_OBJECT
public:
    LinkCatcher();
    ~LinkCatcher() override;
    QStringList links;

public slots:
    void Open(const QUrl& link) { links.append(link.toString()); }
};

} // namespace cssbinder::test
