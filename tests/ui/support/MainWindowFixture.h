#pragma once

#include "ui/app/CBinderDlg.h"
#include "ui/app/DialogTemplate.h"

#include <QComboBox>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QUrl>

#include <functional>
#include <initializer_list>
#include <memory>

namespace cssbinder::test {

// A clean start: its own home, profile and game folder (with cstrike/cfg), an empty document, no game path.
class MainWindowFixture {
public:
    MainWindowFixture();

    QString HomeFolder() const { return m_root.filePath(QStringLiteral("home")); }
    QString GameFolder() const { return m_root.filePath(QStringLiteral("game")); }
    QString ConfigFolder() const { return m_root.filePath(QStringLiteral("game/cstrike/cfg")); }

    // Opens the main window as the program does (its start-up runs before it shows).
    std::unique_ptr<CBinderDlg> Open(QScreen* screen = nullptr) const;
    // The same on a profile that already knows the game folder, so no question comes first.
    std::unique_ptr<CBinderDlg> OpenWithGameFolder(QScreen* screen = nullptr) const;

private:
    QTemporaryDir m_root;
};

QAbstractButton* Button(const QWidget& dialog, int controlId);
void Click(QWidget* control);

// While it lives, each message box takes the next button and each file dialog the next path (empty
// cancels), unshown. Shown() gives each box's text, each dialog's folder (and file), then a line for each
// missing and each left-over answer.
class Answers {
public:
    explicit Answers(std::initializer_list<QMessageBox::StandardButton> buttons = {},
                     const QStringList& files = {});
    ~Answers();
    Q_DISABLE_COPY(Answers)
    QStringList Shown() const;
    const QStringList& Messages() const { return m_messages; }

private:
    QList<QMessageBox::StandardButton> m_buttons;
    QStringList m_files;
    QStringList m_messages;
    QStringList m_offered;
    QStringList m_unexpected;
};
// Runs the action, or clicks the control, with those answers; returns what they showed.
QStringList Answer(const std::function<void()>& action,
                   std::initializer_list<QMessageBox::StandardButton> buttons = {},
                   const QStringList& files = {});
QStringList Press(QWidget* control, std::initializer_list<QMessageBox::StandardButton> buttons = {},
                  const QStringList& files = {});
// The document as a preview box shows it: the box keeps line feeds only.
QString DocumentText();
// The preview box's text when it shows exactly the document, else both, so that a comparison fails.
QString Committed(const CBinderDlg& window);
void Pick(QComboBox* combo, int position);
void ClickFlag(const CBinderDlg& window, int language);

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
