#include "ui/binds/SayField.h"

#include "core/binds/BindLine.h"
#include "ui/app/QtText.h"

#include <QLineEdit>

#include <algorithm>

namespace cssbinder {

void LimitSayField(QLineEdit& field) {
    QObject::connect(&field, &QLineEdit::textEdited, &field, [&field](const QString& text) {
        const std::string typed = ToUtf8(text);
        const std::string_view kept = FitSayText(typed);
        if (kept.size() < typed.size()) {
            const int cursor = field.cursorPosition();
            field.setText(ToQString(kept));
            field.setCursorPosition(std::min(cursor, static_cast<int>(field.text().size())));
        }
    });
}

} // namespace cssbinder
