// The crosshair group of the main window: adjusting buttons change the preview, committing buttons
// write console variables.
#include "core/crosshair/CrosshairState.h"
#include "core/lang/MainWindowLabels.h"
#include "ui/app/CBinderDlg.h"
#include "ui/app/Globals.h"
#include "ui/app/QtText.h"
#include "ui/crosshair/CCrosshairPreview.h"
#include "ui/lang/CLanguage.h"

#include <QPushButton>

namespace cssbinder {

void CBinderDlg::ShowCrosshairState() {
    m_btnSizePlus->setEnabled(m_crosshair.buttons.sizePlus);
    m_btnSizeMinus->setEnabled(m_crosshair.buttons.sizeMinus);
    m_btnTransparencyPlus->setEnabled(m_crosshair.buttons.transparencyPlus);
    m_btnTransparencyMinus->setEnabled(m_crosshair.buttons.transparencyMinus);
    m_staticPreview->DrawCrosshairPreview(m_crosshair);
}

void CBinderDlg::OnColor(int colorIndex) {
    UpdateData(true);
    SelectColor(m_crosshair, colorIndex);
    ShowCrosshairState();
}

void CBinderDlg::OnUseColor() {
    UseColor(g_configEntries, m_nColor);
    RefreshPreview();
}

void CBinderDlg::OnStep(bool (*step)(CrosshairState&)) {
    step(m_crosshair);
    ShowCrosshairState();
}

void CBinderDlg::OnSetAlpha() {
    ToggleSetAlpha(m_crosshair, g_configEntries);
    ShowCrosshairState();
    // This caption follows the language of the lists, English or French.
    const int listLanguage = m_bFrench != 0 ? French : English;
    m_btnSetAlpha->setText(ToQString(SetAlphaCaption(listLanguage, m_crosshair.m_bUseAlpha)));
    RefreshPreview();
}

void CBinderDlg::OnDynamic() {
    ToggleDynamic(m_crosshair, g_configEntries);
    AfterCrosshairModeChange();
}

void CBinderDlg::OnCustomSize() {
    CustomSize(m_crosshair, g_configEntries);
    AfterCrosshairModeChange();
}

void CBinderDlg::AfterCrosshairModeChange() {
    ShowCrosshairState();
    // Re-applying the language gives the Dynamic button its caption for the new mode; with English
    // or French it also refills the lists of the bind form.
    m_pLanguage->SetLanguage(m_nLanguage);
    RefreshPreview();
}

} // namespace cssbinder
