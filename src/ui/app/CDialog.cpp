#include "ui/app/CDialog.h"

namespace cssbinder {

void CDialog::setVisible(bool visible) {
    if (visible && !m_bInitialized) {
        m_bInitialized = true;
        OnInitDialog();
    }
    QDialog::setVisible(visible);
}

} // namespace cssbinder
