#include "ui/binds/CComboFiller.h"

#include "core/binds/KeyCatalogue.h"
#include "core/binds/WeaponLists.h"
#include "ui/app/CBinderDlg.h"
#include "ui/app/QtText.h"

#include <QComboBox>
#include <QStringList>

namespace cssbinder {
CComboFiller::CComboFiller(CBinderDlg* pMainWnd) : m_pMainWnd(pMainWnd) {}

void CComboFiller::FillAll() {
    FillKeyCombos();
    FillSecondaryWeapons();
    FillPrimaryWeapons1();
    FillPrimaryWeapons2();
    FillQuickWeapons();
}

void CComboFiller::FillKeyCombos() {
    Fill(*m_pMainWnd->m_cbLetters, KeyComboList(LettersCombo));
    Fill(*m_pMainWnd->m_cbNumbers, KeyComboList(NumbersCombo));
    Fill(*m_pMainWnd->m_cbFunctionKeys, KeyComboList(FunctionKeysCombo));
    Fill(*m_pMainWnd->m_cbMiscKeys, KeyComboList(MiscKeysCombo));
    Fill(*m_pMainWnd->m_cbKeyPad, KeyComboList(KeyPadCombo));
    Fill(*m_pMainWnd->m_cbMouseButtons, KeyComboList(MouseButtonsCombo));
}

void CComboFiller::FillSecondaryWeapons() {
    Fill(*m_pMainWnd->m_cbSecondary, SecondaryWeaponList());
}

void CComboFiller::FillPrimaryWeapons1() {
    Fill(*m_pMainWnd->m_cbPrimary1, PrimaryWeaponList1());
}

void CComboFiller::FillPrimaryWeapons2() {
    Fill(*m_pMainWnd->m_cbPrimary2, PrimaryWeaponList2());
}

void CComboFiller::FillQuickWeapons() {
    Fill(*m_pMainWnd->m_cbQuickWeapon, QuickWeaponList());
}

void CComboFiller::Fill(QComboBox& combo, const ComboList& list) {
    QStringList items;
    items.reserve(static_cast<qsizetype>(list.items.size()) + 1);
    items.append(ToQString(list.Title(m_pMainWnd->m_bFrench != 0)));
    for (const std::string_view item : list.items) {
        items.append(ToQString(item));
    }
    combo.clear();
    combo.addItems(items);
    combo.setCurrentIndex(0);
}

} // namespace cssbinder
