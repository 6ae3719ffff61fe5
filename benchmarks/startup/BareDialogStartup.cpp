// The yardstick of the start-up measurement: a plain dialog of the main window's size with one
// button, started as the program starts its main window.
#include "FirstPaint.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QDialog dialog;
    dialog.setFixedSize(621, 671);
    QPushButton button(QStringLiteral("OK"), &dialog);
    button.move(20, 20);
    cssbinder::bench::CloseAfterFirstPaint(dialog);
    dialog.exec();
    return 0;
}
