#include "ui/app/CDialog.h"

#include "ui/app/DialogFont.h"

namespace cssbinder {

CDialog::CDialog(QWidget* parent, const QString& title, std::span<const ControlTemplate> controls, int width,
                 int height)
    : QDialog(parent,
              Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setWindowTitle(title);
    setFont(DialogFont());
    BuildDialogControls(*this, controls);
    setFixedSize(DialogUnitsToPixelsX(width), DialogUnitsToPixelsY(height));
}

void CDialog::setVisible(bool visible) {
    if (visible && !m_bInitialized) {
        m_bInitialized = true;
        OnInitDialog();
    }
    QDialog::setVisible(visible);
}

} // namespace cssbinder
