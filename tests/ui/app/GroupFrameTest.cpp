#include "ui/app/GroupFrame.h"

#include <QImage>
#include <QPainter>
#include <QTest>

namespace cssbinder::test {
namespace {

// The frame draws its straight edges and its corners apart; together they must give the pixels of
// one antialiased rounded outline, whatever the frame's size.
class GroupFrameTest : public QObject {
    Q_OBJECT
private slots:
    void outlineIsTheAntialiasedRoundedOutline_data() {
        QTest::addColumn<QSize>("size");
        QTest::newRow("small") << QSize(40, 30);
        QTest::newRow("wide") << QSize(333, 57);
        QTest::newRow("tall") << QSize(61, 250);
    }

    void outlineIsTheAntialiasedRoundedOutline() {
        QFETCH(QSize, size);
        GroupFrame frame(QStringLiteral("T"), nullptr);
        frame.setAutoFillBackground(true);
        frame.resize(size);
        const QImage drawn = frame.grab().toImage().convertToFormat(QImage::Format_RGB32);

        const QColor background = frame.palette().window().color();
        const int top = frame.fontMetrics().height() / 2;
        QImage expected(size, QImage::Format_RGB32);
        expected.fill(background);
        QPainter painter(&expected);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(background.darker(140));
        painter.drawRoundedRect(QRectF(expected.rect().adjusted(0, top, -1, -1)).translated(0.5, 0.5), 2, 2);
        painter.end();

        // The title stands on its own background over the line; the rest is compared pixel by pixel.
        const QFontMetrics metrics = frame.fontMetrics();
        const QRect title(6, 0, metrics.horizontalAdvance(frame.title()) + 4, metrics.height());
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x) {
                if (!title.contains(x, y) && drawn.pixel(x, y) != expected.pixel(x, y)) {
                    QFAIL(qPrintable(QStringLiteral("pixel %1,%2 differs").arg(x).arg(y)));
                }
            }
        }
    }
};

} // namespace
} // namespace cssbinder::test

QTEST_MAIN(cssbinder::test::GroupFrameTest)
#include "GroupFrameTest.moc"
