// The gamma field of the main window: Set writes it, Preview lets the user judge it on the screen.
#include "core/gamma/GammaSetting.h"
#include "ui/app/CBinderDlg.h"
#include "ui/app/Globals.h"
#include "ui/gamma/CGammaDlg.h"

namespace cssbinder {

void CBinderDlg::OnSetGamma() {
    UpdateData(true);
    if (IsGammaInRange(m_fGamma)) {
        StoreGamma(g_configEntries, m_fGamma);
        RefreshPreview();
    }
}

void CBinderDlg::OnGammaPreview() {
    // Over the main window, on its screen, fitted to it like the main window.
    CGammaDlg dialog(m_nLanguage, this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const double gamma = GammaForPosition(dialog.m_nPosition);
    m_fGamma = static_cast<float>(gamma);
    g_lastGamma = gamma;
    UpdateData(false);
    StoreGamma(g_configEntries, m_fGamma);
    RefreshPreview();
}

} // namespace cssbinder
