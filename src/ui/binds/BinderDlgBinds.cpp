// The bind form of the main window: key choice, the four bind buttons and their common last step.
#include "core/binds/BindLine.h"
#include "core/binds/BuyScript.h"
#include "core/binds/KeyCatalogue.h"
#include "core/binds/WeaponLists.h"
#include "ui/app/CBinderDlg.h"
#include "ui/app/Globals.h"
#include "ui/app/MessageBoxes.h"
#include "ui/app/QtText.h"

#include <QComboBox>
#include <QLineEdit>

#include <array>

namespace cssbinder {
namespace {

constexpr char kRedefineQuestion[] = "Key already associated. Redefine it ?";

// The key lists by their numbers, in the order they are put back on their titles.
constexpr std::array<int, 6> kKeyComboResetOrder{MouseButtonsCombo, FunctionKeysCombo, KeyPadCombo,
                                                 NumbersCombo,      MiscKeysCombo,     LettersCombo};

} // namespace

QComboBox* CBinderDlg::KeyComboOf(int comboNumber) const {
    const std::array<QComboBox*, 7> combos{nullptr,      m_cbLetters, m_cbNumbers,     m_cbFunctionKeys,
                                           m_cbMiscKeys, m_cbKeyPad,  m_cbMouseButtons};
    return comboNumber >= LettersCombo && comboNumber <= MouseButtonsCombo ? combos[comboNumber] : nullptr;
}

void CBinderDlg::OnSelchangeKeyCombo(int comboNumber) {
    m_nKeyCombo = comboNumber;
    ResetOtherKeyCombos();
}

void CBinderDlg::ResetOtherKeyCombos() {
    for (const int comboNumber : kKeyComboResetOrder) {
        if (comboNumber != m_nKeyCombo) {
            KeyComboOf(comboNumber)->setCurrentIndex(0);
        }
    }
}

std::optional<std::string> CBinderDlg::ChosenKey() const {
    const QComboBox* combo = KeyComboOf(m_nKeyCombo);
    return combo ? GameKeyName(m_nKeyCombo, combo->currentIndex()) : std::nullopt;
}

std::string CBinderDlg::GetSelectedKey() {
    UpdateData(true);
    const std::optional<std::string> key = ChosenKey();
    if (!key) {
        ShowMessage(this, m_strSelectKey);
        return {};
    }
    return *key;
}

void CBinderDlg::StoreBind(const std::string& key, const std::string& line) {
    if (!g_configEntries.LookupKey(key) || AskOkCancel(this, QString::fromUtf8(kRedefineQuestion))) {
        g_configEntries.Store(key, line);
    }
    RefreshPreview();
    ResetBindForm();
}

void CBinderDlg::ResetBindForm() {
    for (QComboBox* combo : {m_cbMouseButtons, m_cbFunctionKeys, m_cbKeyPad, m_cbNumbers, m_cbMiscKeys,
                             m_cbLetters, m_cbSecondary, m_cbPrimary1, m_cbPrimary2}) {
        combo->setCurrentIndex(0);
    }
    m_bDefuser = m_bFlashbang1 = m_bFlashbang2 = m_bHeGrenade = 0;
    m_bNightVision = m_bPrimaryAmmo = m_bSecondaryAmmo = m_bSmokeGrenade = 0;
    m_nKeyCombo = 0;
    m_nArmor = 2;
    UpdateData(false);
}

void CBinderDlg::OnAddBuyBind() {
    UpdateData(true);
    const std::string key = GetSelectedKey();
    if (key.empty()) {
        return;
    }
    BuyChoices choices;
    choices.secondary = m_cbSecondary->currentIndex();
    choices.primary1 = m_cbPrimary1->currentIndex();
    choices.primary2 = m_cbPrimary2->currentIndex();
    choices.defuser = m_bDefuser != 0;
    choices.armor = m_nArmor;
    choices.heGrenade = m_bHeGrenade != 0;
    choices.flashbang1 = m_bFlashbang1 != 0;
    choices.flashbang2 = m_bFlashbang2 != 0;
    choices.smokeGrenade = m_bSmokeGrenade != 0;
    choices.primaryAmmo = m_bPrimaryAmmo != 0;
    choices.secondaryAmmo = m_bSecondaryAmmo != 0;
    choices.nightVision = m_bNightVision != 0;
    const std::string command = BuyCommand(choices);
    if (command.empty()) {
        ShowMessage(this, m_strNothingToAdd);
        return;
    }
    StoreBind(key, BindLine(key, command));
}

void CBinderDlg::OnAddSayBind() {
    UpdateData(true);
    const QString text = m_editSay->text();
    if (text.isEmpty()) {
        ShowMessage(this, m_strNothingToSay);
        return;
    }
    const std::string key = GetSelectedKey();
    if (key.empty()) {
        return;
    }
    StoreBind(key, BindLine(key, SayCommand(m_nSayTarget, ToUtf8(text))));
}

void CBinderDlg::OnAddQuickBind() {
    UpdateData(true);
    const std::optional<std::string> command = QuickWeaponCommand(m_cbQuickWeapon->currentIndex());
    if (!command) {
        ShowMessage(this, m_strNothingToAdd);
        return;
    }
    const std::string key = GetSelectedKey();
    if (key.empty()) {
        return;
    }
    StoreBind(key, BindLine(key, *command));
}

void CBinderDlg::OnBindConsole() {
    UpdateData(true);
    const std::string key = GetSelectedKey();
    if (key.empty()) {
        return;
    }
    StoreBind(key, ConsoleBindValue(key));
}

} // namespace cssbinder
