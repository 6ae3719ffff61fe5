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
    QString ProfileValue() const;

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
// Runs the action and gives the answers, in turn, to the message boxes it opens. Returns the text of
// every box shown, then a line for each window that no answer was left for and each answer left over,
// so that a missing or an extra message fails a comparison.
QStringList Answer(const std::function<void()>& action,
                   std::initializer_list<QMessageBox::StandardButton> answers = {});
// The same for a click on a control.
QStringList Press(QWidget* control, std::initializer_list<QMessageBox::StandardButton> answers = {});
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
