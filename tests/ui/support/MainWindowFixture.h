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

// A clean start for every window test: a home and a profile of its own (through HOME and
// XDG_CONFIG_HOME), a game folder with its cstrike/cfg folder, an empty document and no game path.
class MainWindowFixture {
public:
    MainWindowFixture();

    QString HomeFolder() const { return m_root.filePath(QStringLiteral("home")); }
    QString GameFolder() const { return m_root.filePath(QStringLiteral("game")); }
    QString ConfigFolder() const { return m_root.filePath(QStringLiteral("game/cstrike/cfg")); }

    // Opens the main window as the program does, on the primary screen or the one given; its start-up
    // runs before it shows.
    std::unique_ptr<CBinderDlg> Open(QScreen* screen = nullptr) const;
    // The same on a profile that already knows the game folder, so no question comes first.
    std::unique_ptr<CBinderDlg> OpenWithGameFolder(QScreen* screen = nullptr) const;

private:
    QTemporaryDir m_root;
};

QAbstractButton* Button(const QWidget& dialog, int controlId);
void Click(QWidget* control);

// Answers for the user while it lives, without showing a thing: each message box takes the next
// button, each file dialog the next path (an empty one cancels). Shown() gives the text of every box
// and what every file dialog offered (its folder, and the file in it where it offers one), then a line
// for each box or dialog nothing was left for and each answer left over, so that a missing or an extra
// one fails a comparison. It takes its hooks away as it ends: nothing left answers in the next test.
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
// A pick in a drop-down list by the user.
void Pick(QComboBox* combo, int position);
void ClickFlag(const CBinderDlg& window, int language);

// Stands in for the desktop's web browser and mail program for as long as it lives.
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
