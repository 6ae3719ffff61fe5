#include "MainWindowFixture.h"

#include "platform/profile/Profile.h"
#include "ui/app/FileDialogs.h"
#include "ui/app/Globals.h"
#include "ui/app/MessageBoxes.h"

#include <QAbstractButton>
#include <QDesktopServices>
#include <QDir>
#include <QPlainTextEdit>
#include <QTest>

#include <array>

namespace cssbinder::test {

using namespace Qt::StringLiterals;

MainWindowFixture::MainWindowFixture() {
    qputenv("HOME", QFile::encodeName(HomeFolder()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_root.filePath(QStringLiteral("config"))));
    QDir().mkpath(HomeFolder());
    QDir().mkpath(ConfigFolder());
    g_configEntries = ConfigDocument();
    g_gamePath.clear();
}

std::unique_ptr<CBinderDlg> MainWindowFixture::Open(QScreen* screen) const {
    auto window = std::make_unique<CBinderDlg>();
    if (screen != nullptr) {
        window->setScreen(screen);
    }
    window->show();
    return window;
}

std::unique_ptr<CBinderDlg> MainWindowFixture::OpenWithGameFolder(QScreen* screen) const {
    QTest::qVerify(WriteProfile(ProfileKey::GamePath, GameFolder()).isEmpty(), "WriteProfile", "the profile",
                   __FILE__, __LINE__);
    return Open(screen);
}

QAbstractButton* Button(const QWidget& dialog, int controlId) {
    return ControlOf<QAbstractButton>(dialog, controlId);
}

Answers::Answers(std::initializer_list<QMessageBox::StandardButton> buttons, const QStringList& files)
    : m_buttons(buttons), m_files(files) {
    SetMessageAnswererForTests([this](const QString& text, QMessageBox::StandardButtons offered) {
        m_messages.append(text);
        if (m_buttons.isEmpty() || !offered.testFlag(m_buttons.constFirst())) {
            m_unexpected.append(u"no answer for this box"_s);
            return QMessageBox::NoButton;
        }
        return m_buttons.takeFirst();
    });
    SetFileChooserForTests([this](const FileRequest& request) {
        const QString folder = QDir(request.folder).absolutePath();
        m_offered.append(request.fileName.isEmpty() ? folder : folder + u'/' + request.fileName);
        if (m_files.isEmpty()) {
            m_unexpected.append(u"no file for this dialog"_s);
            return QString();
        }
        return m_files.takeFirst();
    });
}

Answers::~Answers() {
    SetMessageAnswererForTests({});
    SetFileChooserForTests({});
}

QStringList Answers::Shown() const {
    return m_messages + m_offered + m_unexpected +
           QStringList(m_buttons.size() + m_files.size(), u"an answer left over"_s);
}

QStringList Answer(const std::function<void()>& action,
                   std::initializer_list<QMessageBox::StandardButton> buttons, const QStringList& files) {
    const Answers answers(buttons, files);
    action();
    return answers.Shown();
}

QStringList Press(QWidget* control, std::initializer_list<QMessageBox::StandardButton> buttons,
                  const QStringList& files) {
    return Answer([control] { Click(control); }, buttons, files);
}

QString DocumentText() {
    return QString::fromStdString(g_configEntries.Render()).replace(u"\r\n"_s, u"\n"_s);
}

QString Committed(const CBinderDlg& window) {
    const QString document = DocumentText();
    const QString shown = window.m_editPreview->toPlainText();
    return shown == document ? shown : u"preview box: %1, document: %2"_s.arg(shown, document);
}

void Click(QWidget* control) {
    QVERIFY(control != nullptr);
    QTest::mouseClick(control, Qt::LeftButton);
}

void Pick(QComboBox* combo, int position) {
    combo->setCurrentIndex(position);
    emit combo->activated(position);
}

void ClickFlag(const CBinderDlg& window, int language) {
    constexpr std::array<int, 5> kFlags{1113, 1109, 1110, 1111, 1112};
    Click(ControlOf<QWidget>(window, kFlags.at(static_cast<std::size_t>(language))));
}

LinkCatcher::LinkCatcher() {
    QDesktopServices::setUrlHandler(u"mailto"_s, this, "Open");
    QDesktopServices::setUrlHandler(u"https"_s, this, "Open");
}

LinkCatcher::~LinkCatcher() {
    QDesktopServices::unsetUrlHandler(u"mailto"_s);
    QDesktopServices::unsetUrlHandler(u"https"_s);
}

} // namespace cssbinder::test
