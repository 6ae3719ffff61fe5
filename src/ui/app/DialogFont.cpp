#include "ui/app/DialogFont.h"

#include <QStringList>

#include <algorithm>

namespace cssbinder {

QFont DialogFont(double scale) {
    constexpr int kPixelSize = 10;
    QFont font;
    font.setFamilies(
        QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("Helvetica")});
    font.setPixelSize(std::max(1, static_cast<int>(kPixelSize * scale)));
    return font;
}

} // namespace cssbinder
