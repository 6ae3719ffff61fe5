#pragma once

#include "ui/app/CBinderDlg.h"
#include "ui/app/DialogTemplate.h"

#include <QComboBox>
#include <QTemporaryDir>

#include <memory>

namespace cssbinder::test {

// A clean start for every window test: a home and a profile of its own (through HOME and
// XDG_CONFIG_HOME), a game folder with its cstrike/cfg folder, an empty document and no game path.
class MainWindowFixture {
public:
    MainWindowFixture();

    QString HomeFolder() const;
    QString GameFolder() const;
    QString ConfigFolder() const;
    QString ProfileValue() const;
    void StoreGameFolder() const;

    // Opens the main window as the program does; its start-up runs before it shows.
    std::unique_ptr<CBinderDlg> Open() const;
    // The same on a profile that already knows the game folder, so no question comes first.
    std::unique_ptr<CBinderDlg> OpenWithGameFolder() const;

private:
    QTemporaryDir m_root;
};

// The caption of a button or the title of a group box.
QString CaptionOf(const QWidget& dialog, int controlId);
void Click(QWidget* control);
// A pick in a drop-down list by the user.
void Pick(QComboBox* combo, int position);
void ClickFlag(const CBinderDlg& window, int language);

} // namespace cssbinder::test
