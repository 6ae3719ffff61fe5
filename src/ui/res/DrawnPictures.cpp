#include "ui/res/DrawnPictures.h"

#include "core/crosshair/SurfaceTexture.h"
#include "core/gamma/ReferencePictures.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>

namespace cssbinder {
namespace {

constexpr QSize kFlagSize(30, 20);

QPixmap VerticalTricolour(QColor left, QColor middle, QColor right) {
    QPixmap flag(kFlagSize);
    QPainter painter(&flag);
    painter.fillRect(0, 0, 10, 20, left);
    painter.fillRect(10, 0, 10, 20, middle);
    painter.fillRect(20, 0, 10, 20, right);
    return flag;
}

QPixmap HorizontalBands(QColor top, QColor middle, QColor bottom, int middleHeight) {
    QPixmap flag(kFlagSize);
    QPainter painter(&flag);
    const int band = (kFlagSize.height() - middleHeight) / 2;
    painter.fillRect(0, 0, 30, band, top);
    painter.fillRect(0, band, 30, middleHeight, middle);
    painter.fillRect(0, band + middleHeight, 30, kFlagSize.height() - band - middleHeight, bottom);
    return flag;
}

QPixmap UnitedKingdomFlag() {
    const QColor blue(1, 33, 105);
    const QColor red(200, 16, 46);
    QPixmap flag(kFlagSize);
    flag.fill(blue);
    QPainter painter(&flag);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 4));
    painter.drawLine(0, 0, 30, 20);
    painter.drawLine(0, 20, 30, 0);
    painter.setPen(QPen(red, 1.5));
    painter.drawLine(0, 0, 30, 20);
    painter.drawLine(0, 20, 30, 0);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(12, 0, 6, 20, Qt::white);
    painter.fillRect(0, 7, 30, 6, Qt::white);
    painter.fillRect(13, 0, 4, 20, red);
    painter.fillRect(0, 8, 30, 4, red);
    return flag;
}

QPixmap SurfaceBitmap() {
    const std::vector<std::uint8_t> pixels = MakeSurfaceTexture(kPreviewWidth, kPreviewHeight, 133);
    const QImage image(pixels.data(), kPreviewWidth, kPreviewHeight, kPreviewWidth * 3,
                       QImage::Format_RGB888);
    return QPixmap::fromImage(image);
}

void DrawCrosshairMark(QPainter& painter, QPointF centre, qreal reach, qreal gap, QColor colour,
                       qreal width) {
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(centre + QPointF(-reach, 0), centre + QPointF(-gap, 0));
    painter.drawLine(centre + QPointF(gap, 0), centre + QPointF(reach, 0));
    painter.drawLine(centre + QPointF(0, -reach), centre + QPointF(0, -gap));
    painter.drawLine(centre + QPointF(0, gap), centre + QPointF(0, reach));
}

QPixmap ReferenceBitmap(ReferencePicture picture) {
    const std::vector<std::uint8_t> pixels = MakeReferencePicture(picture);
    const QImage image(pixels.data(), kReferenceWidth, kReferenceHeight, kReferenceWidth * 3,
                       QImage::Format_RGB888);
    return QPixmap::fromImage(image);
}

QPixmap Banner() {
    QPixmap banner(600, 112);
    QPainter painter(&banner);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 600, 112);
    sky.setColorAt(0.0, QColor(24, 22, 18));
    sky.setColorAt(0.55, QColor(92, 66, 30));
    sky.setColorAt(1.0, QColor(196, 150, 74));
    painter.fillRect(banner.rect(), sky);

    DrawCrosshairMark(painter, QPointF(62, 56), 38, 12, QColor(0, 255, 0), 4);
    painter.setPen(QPen(QColor(0, 255, 0, 120), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(62, 56), 26, 26);

    QFont title(QStringLiteral("Liberation Sans"));
    title.setPixelSize(46);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(QColor(250, 236, 200));
    painter.drawText(QRect(120, 10, 470, 58), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("cssbinder"));

    QFont subtitle(QStringLiteral("Liberation Sans"));
    subtitle.setPixelSize(17);
    painter.setFont(subtitle);
    painter.setPen(QColor(236, 214, 160));
    painter.drawText(QRect(122, 66, 470, 36), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Counter-Strike: Source binds, scripts and optimization"));
    return banner;
}

} // namespace

QPixmap DrawBitmap(int resourceId) {
    switch (resourceId) {
    case kSmallProgramIcon:
        return ProgramIconImage(16);
    case 128:
        return ProgramIconImage(32);
    case 133:
        return SurfaceBitmap();
    case 134:
        return Banner();
    case 137:
        return ReferenceBitmap(ReferencePicture::NearBlackSteps);
    case 138:
        return ReferenceBitmap(ReferencePicture::DarkCorridor);
    case 139:
        return ReferenceBitmap(ReferencePicture::GreyWedge);
    case 140:
        return ReferenceBitmap(ReferencePicture::ColourRamps);
    case 142:
        return VerticalTricolour(QColor(0, 35, 149), Qt::white, QColor(237, 41, 57));
    case 143:
        return HorizontalBands(Qt::black, QColor(221, 0, 0), QColor(255, 206, 0), 7);
    case 144:
        return VerticalTricolour(QColor(0, 146, 70), Qt::white, QColor(206, 43, 55));
    case 145:
        return HorizontalBands(QColor(170, 21, 27), QColor(241, 191, 0), QColor(170, 21, 27), 10);
    case 146:
        return UnitedKingdomFlag();
    default:
        return {};
    }
}

QPixmap ProgramIconImage(int size) {
    QPixmap icon(size, size);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(141, 118, 68));
    painter.setPen(QPen(QColor(60, 45, 20), size / 16.0));
    painter.drawRoundedRect(QRectF(0.5, 0.5, size - 1, size - 1), size / 6.0, size / 6.0);
    const qreal half = size / 2.0;
    DrawCrosshairMark(painter, QPointF(half, half), half - size / 8.0, size / 8.0, QColor(0, 255, 0),
                      size / 10.0);
    return icon;
}

} // namespace cssbinder
