#include "ui/app/GroupFrame.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QStyle>

#include <algorithm>

namespace cssbinder {
namespace {

constexpr int kCorner = 4;

void DrawAntialiasedOutline(QPainter& painter, const QRect& area, const QColor& line) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(line);
    painter.drawRoundedRect(QRectF(area.adjusted(0, 0, -1, -1)).translated(0.5, 0.5), 2, 2);
}

// Outlining a whole frame antialiased rasterises every edge; only the rounded corners need it. The
// corners come from a small outline drawn the same way over the same background, once per pair of
// colours, and the straight edges, which antialiasing leaves fully covered, are filled.
QPixmap OutlineCorners(const QColor& line, const QColor& background) {
    const QString key = QStringLiteral("cssbinder-frame-corners-%1-%2").arg(line.rgb()).arg(background.rgb());
    QPixmap corners;
    if (!QPixmapCache::find(key, &corners)) {
        QImage outline(2 * kCorner, 2 * kCorner, QImage::Format_RGB32);
        outline.fill(background);
        QPainter painter(&outline);
        DrawAntialiasedOutline(painter, outline.rect(), line);
        painter.end();
        corners = QPixmap::fromImage(outline);
        QPixmapCache::insert(key, corners);
    }
    return corners;
}

void DrawRoundedOutline(QPainter& painter, const QRect& area, const QColor& line, const QColor& background) {
    if (painter.deviceTransform().type() > QTransform::TxTranslate) {
        // Scaled for a high-density screen: the corners are drawn at the screen's own resolution.
        DrawAntialiasedOutline(painter, area, line);
        return;
    }
    const QPixmap corners = OutlineCorners(line, background);
    const QPoint farCorner = area.bottomRight() - QPoint(kCorner - 1, kCorner - 1);
    painter.drawPixmap(area.topLeft(), corners, QRect(0, 0, kCorner, kCorner));
    painter.drawPixmap(QPoint(farCorner.x(), area.top()), corners, QRect(kCorner, 0, kCorner, kCorner));
    painter.drawPixmap(QPoint(area.left(), farCorner.y()), corners, QRect(0, kCorner, kCorner, kCorner));
    painter.drawPixmap(farCorner, corners, QRect(kCorner, kCorner, kCorner, kCorner));

    const int edgeWidth = std::max(0, area.width() - 2 * kCorner);
    const int edgeHeight = std::max(0, area.height() - 2 * kCorner);
    painter.fillRect(area.left() + kCorner, area.top(), edgeWidth, 1, line);
    painter.fillRect(area.left() + kCorner, area.bottom(), edgeWidth, 1, line);
    painter.fillRect(area.left(), area.top() + kCorner, 1, edgeHeight, line);
    painter.fillRect(area.right(), area.top() + kCorner, 1, edgeHeight, line);
}

} // namespace

GroupFrame::GroupFrame(const QString& title, QWidget* parent) : QGroupBox(title, parent) {}

void GroupFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics(font());

    // The style's own group frame leaves room for a title above it, so the line is drawn here, on
    // the dialog's background.
    const QColor background = palette().window().color();
    DrawRoundedOutline(painter, rect().adjusted(0, metrics.height() / 2, 0, 0), background.darker(140),
                       background);

    const QRect titleArea(6, 0, metrics.horizontalAdvance(title()) + 4, metrics.height());
    painter.fillRect(titleArea, palette().window());
    style()->drawItemText(&painter, titleArea, Qt::AlignCenter, palette(), isEnabled(), title(),
                          QPalette::WindowText);
}

} // namespace cssbinder
