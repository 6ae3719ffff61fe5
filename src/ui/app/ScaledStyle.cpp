#include "ui/app/ScaledStyle.h"

#include <algorithm>

namespace cssbinder {

ScaledStyle::ScaledStyle(double scale) : m_scale(scale) {}

int ScaledStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
    const int size = QProxyStyle::pixelMetric(metric, option, widget);
    // Hairlines and flags (0, 1, -1) stay as they are.
    return size > 1 ? std::max(1, static_cast<int>(size * m_scale)) : size;
}

QSize ScaledStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                                    const QWidget* widget) const {
    const QSize size = QProxyStyle::sizeFromContents(type, option, contents, widget);
    return contents + ((size - contents).toSizeF() * m_scale).toSize();
}

} // namespace cssbinder
