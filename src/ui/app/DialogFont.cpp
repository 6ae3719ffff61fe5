#include "ui/app/DialogFont.h"

#include <QStringList>

namespace cssbinder {

QFont DialogFont() {
    QFont font;
    font.setFamilies(
        QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("Helvetica")});
    font.setPixelSize(10);
    return font;
}

} // namespace cssbinder
