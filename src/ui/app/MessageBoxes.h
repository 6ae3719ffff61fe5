#pragma once

#include <QString>

class QWidget;

namespace cssbinder {

// A message with an OK button, no icon and the program's name as caption.
void ShowMessage(QWidget* parent, const QString& text);
// The same with OK and Cancel; true when the user chose OK.
bool AskOkCancel(QWidget* parent, const QString& text);
// "Cannot write <file>: <the system's reason>" in the language.
QString CannotWriteText(const QString& path, const QString& reason, int language);

} // namespace cssbinder
