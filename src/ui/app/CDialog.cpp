#include "ui/app/CDialog.h"

#include "ui/app/DialogFont.h"

#include <QApplication>

namespace cssbinder {

CDialog::CDialog(QWidget* parent, const QString& title, std::span<const ControlTemplate> controls, int width,
                 int height)
    : QDialog(parent,
              Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setWindowTitle(title);
    setFont(DialogFont());
    // A text field lays out its empty text in the application's font before it takes the dialog's;
    // with the dialog's font as the application's meanwhile, no other font is loaded for that alone.
    const QFont applicationFont = QApplication::font();
    QApplication::setFont(font());
    BuildDialogControls(*this, controls);
    QApplication::setFont(applicationFont);
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
