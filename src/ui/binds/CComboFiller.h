#pragma once

class QComboBox;

namespace cssbinder {

class CBinderDlg;
struct ComboList;

// Fills the ten lists of the bind form in the language of the lists (French or English): each
// gets its title item, then its items, and stands on the title.
class CComboFiller {
public:
    explicit CComboFiller(CBinderDlg* pMainWnd);

    void FillAll();
    void FillKeyCombos();
    void FillSecondaryWeapons();
    void FillPrimaryWeapons1();
    void FillPrimaryWeapons2();
    void FillQuickWeapons();

private:
    void Fill(QComboBox& combo, const ComboList& list);

    CBinderDlg* m_pMainWnd;
};

} // namespace cssbinder
