#include "ui/app/GroupFrame.h"

#include <QPainter>
#include <QTest>

// The frame draws its straight edges and its corners apart; together they must give the pixels of
// one antialiased rounded outline at any size. The title, on its own background, is left out.
class GroupFrameTest : public QObject {
    Q_OBJECT
private slots:
    void outlineIsOneAntialiasedRoundedOutline() {
        for (const QSize size : {QSize(40, 30), QSize(333, 57), QSize(61, 250)}) {
            cssbinder::GroupFrame frame(QStringLiteral("T"), nullptr);
            frame.setAutoFillBackground(true);
            frame.resize(size);
            const QFontMetrics metrics = frame.fontMetrics();
            const QRect title(6, 0, metrics.horizontalAdvance(frame.title()) + 4, metrics.height());
            QImage drawn = frame.grab().toImage().convertToFormat(QImage::Format_RGB32);
            QPainter(&drawn).fillRect(title, Qt::black);

            QImage expected(size, QImage::Format_RGB32);
            expected.fill(frame.palette().window().color());
            QPainter painter(&expected);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(frame.palette().window().color().darker(140));
            painter.drawRoundedRect(
                QRectF(expected.rect().adjusted(0, metrics.height() / 2, -1, -1)).translated(0.5, 0.5), 2, 2);
            painter.fillRect(title, Qt::black);
            painter.end();
            QCOMPARE(drawn, expected);
        }
    }
};

QTEST_MAIN(GroupFrameTest)
#include "GroupFrameTest.moc"
