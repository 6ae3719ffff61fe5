#include "ui/app/ScaledStyle.h"

#include <QApplication>

#include <algorithm>

namespace cssbinder {

// Over a style of the application's kind, so the scaled window looks like the others.
ScaledStyle::ScaledStyle(double scale) : QProxyStyle(QApplication::style()->name()), m_scale(scale) {}

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
