#include "ui/app/MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

namespace cssbinder {
namespace {

QMessageBox::StandardButton Ask(QWidget* parent, const QString& text, QMessageBox::StandardButtons buttons) {
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), text, buttons, parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

void ShowMessage(QWidget* parent, const QString& text) {
    Ask(parent, text, QMessageBox::Ok);
}

bool AskOkCancel(QWidget* parent, const QString& text) {
    return Ask(parent, text, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

} // namespace cssbinder
