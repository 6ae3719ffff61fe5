#include "ui/app/GroupFrame.h"

#include <QPainter>
#include <QStyle>

namespace cssbinder {

GroupFrame::GroupFrame(const QString& title, QWidget* parent) : QGroupBox(title, parent) {}

void GroupFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics(font());

    // The style's own group frame leaves room for a title above it, so the line is drawn here.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(palette().window().color().darker(140));
    painter.drawRoundedRect(QRectF(rect().adjusted(0, metrics.height() / 2, -1, -1)).translated(0.5, 0.5), 2,
                            2);

    const QRect titleArea(6, 0, metrics.horizontalAdvance(title()) + 4, metrics.height());
    painter.fillRect(titleArea, palette().window());
    style()->drawItemText(&painter, titleArea, Qt::AlignCenter, palette(), isEnabled(), title(),
                          QPalette::WindowText);
}

} // namespace cssbinder
