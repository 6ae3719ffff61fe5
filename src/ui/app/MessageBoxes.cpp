#include "ui/app/MessageBoxes.h"

#include "core/lang/MainWindowLabels.h"
#include "ui/app/QtText.h"

#include <QApplication>
#include <QDir>

namespace cssbinder {
namespace {

MessageAnswerer& TestAnswerer() {
    static MessageAnswerer answerer;
    return answerer;
}

QMessageBox::StandardButton Ask(QWidget* parent, const QString& text, QMessageBox::StandardButtons buttons) {
    if (TestAnswerer()) {
        return TestAnswerer()(text, buttons);
    }
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

QString CannotWriteText(const QString& path, const QString& reason, int language) {
    return ToQString(MessageText(Message::CannotWrite, language)).arg(QDir::toNativeSeparators(path), reason);
}

void SetMessageAnswererForTests(MessageAnswerer answerer) {
    TestAnswerer() = std::move(answerer);
}

} // namespace cssbinder
