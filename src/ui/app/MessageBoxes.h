#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

namespace cssbinder {

// A message with an OK button, no icon and the program's name as caption.
void ShowMessage(QWidget* parent, const QString& text);
// The same with OK and Cancel; true when the user chose OK.
bool AskOkCancel(QWidget* parent, const QString& text);
// "Cannot write <file>: <the system's reason>" in the language.
QString CannotWriteText(const QString& path, const QString& reason, int language);

// Tests answer in place of the user: while an answerer is set, it gets every message with the buttons
// offered, no box shows, and the button it returns is the one chosen. An empty answerer shows the
// boxes again.
using MessageAnswerer =
    std::function<QMessageBox::StandardButton(const QString& text, QMessageBox::StandardButtons buttons)>;
void SetMessageAnswererForTests(MessageAnswerer answerer);

} // namespace cssbinder
