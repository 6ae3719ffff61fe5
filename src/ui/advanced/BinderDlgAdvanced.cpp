// The main window's door to the Advanced Parameters dialog.
#include "ui/advanced/CAdvancedDlg.h"
#include "ui/app/CBinderDlg.h"

namespace cssbinder {

// Every change made in the dialog has already refreshed the main window's preview box, so nothing
// follows its end.
void CBinderDlg::OnAdvancedParameters() {
    CAdvancedDlg dialog(this);
    dialog.exec();
}

} // namespace cssbinder
