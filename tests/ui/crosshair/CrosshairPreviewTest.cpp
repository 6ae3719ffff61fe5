#include "MainWindowFixture.h"

#include "ui/res/Pictures.h"

#include <QAbstractButton>
#include <QImage>
#include <QTest>

#include <algorithm>

namespace cssbinder::test {
namespace {

// The crosshair's centre pixel in the 137 x 126 preview.
constexpr int cx = 69;
constexpr int cy = 63;

enum Control {
    Green = 1058,
    Red = 1059,
    Blue = 1057,
    Yellow = 1056,
    Lightblue = 1060,
    Preview = 1055,
    SizePlus = 1062,
    SizeMinus = 1063,
    TransparencyPlus = 1064,
    TransparencyMinus = 1065,
    SetAlpha = 1070,
    Dynamic = 1072,
};

void Press(const CBinderDlg& window, const QList<int>& controlIds) {
    for (const int controlId : controlIds) {
        Click(ControlOf<QAbstractButton>(window, controlId));
    }
}

QList<int> Times(int controlId, int count) {
    return QList<int>(count, controlId);
}

QImage Shot(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage PreviewShot(const CBinderDlg& window) {
    return Shot(*ControlOf<QWidget>(window, Preview));
}

QImage Surface() {
    return Bitmap(133).toImage().convertToFormat(QImage::Format_RGB32);
}

// The four arms of length `length` at `gap` pixels from the centre, `thickness` pixels thick: left,
// right, top, bottom.
QList<QRect> Arms(int length, int gap, int thickness) {
    return {QRect(cx - gap - length, cy, length, thickness), QRect(cx + gap, cy, length, thickness),
            QRect(cx, cy - gap - length, thickness, length), QRect(cx, cy + gap, thickness, length)};
}

QString Describe(int x, int y, QRgb found, QRgb expected) {
    return QStringLiteral("pixel (%1, %2) is %3, expected %4")
        .arg(x)
        .arg(y)
        .arg(QColor(found).name(), QColor(expected).name());
}

// Compares the whole picture: the arm pixels in the draw colour, every other pixel the surface's own.
// Empty when they match, else the first pixel that differs.
QString Mismatch(const QImage& shot, const QList<QRect>& arms, const QColor& colour) {
    const QImage surface = Surface();
    if (shot.size() != surface.size()) {
        return QStringLiteral("picture of %1 x %2").arg(shot.width()).arg(shot.height());
    }
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            const bool onArm = std::any_of(arms.begin(), arms.end(),
                                           [x, y](const QRect& arm) { return arm.contains(x, y); });
            const QRgb expected = onArm ? colour.rgb() : surface.pixel(x, y);
            if (shot.pixel(x, y) != expected) {
                return Describe(x, y, shot.pixel(x, y), expected);
            }
        }
    }
    return {};
}

} // namespace

class CrosshairPreviewTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> m_fixture;

    std::unique_ptr<CBinderDlg> Open() {
        m_fixture->StoreGameFolder();
        return m_fixture->Open();
    }

private slots:
    void init() { m_fixture = std::make_unique<MainWindowFixture>(); }
    void cleanup() { m_fixture.reset(); }

    void startShowsGreenArmsAroundAnUntouchedCentre() {
        const auto window = Open();
        const QImage shot = PreviewShot(*window);
        QCOMPARE(shot.pixel(cx, cy), Surface().pixel(cx, cy));
        QCOMPARE(QColor(shot.pixel(cx - 16, cy)), QColor(0, 255, 0));
        QCOMPARE(QColor(shot.pixel(cx + 15, cy)), QColor(0, 255, 0));
        const QList<QRect> arms{
            QRect(QPoint(cx - 16, cy), QPoint(cx - 9, cy)), QRect(QPoint(cx + 8, cy), QPoint(cx + 15, cy)),
            QRect(QPoint(cx, cy - 16), QPoint(cx, cy - 9)), QRect(QPoint(cx, cy + 8), QPoint(cx, cy + 15))};
        QCOMPARE(Mismatch(shot, arms, QColor(0, 255, 0)), QString());
    }

    void largestCrosshairIsTwoPixelsThickAndStaysInside() {
        const auto window = Open();
        Press(*window, Times(SizePlus, 5));
        const QImage shot = PreviewShot(*window);
        const QList<QRect> arms{QRect(QPoint(cx - 58, cy), QPoint(cx - 23, cy + 1)),
                                QRect(QPoint(cx + 22, cy), QPoint(cx + 57, cy + 1)),
                                QRect(QPoint(cx, cy - 58), QPoint(cx + 1, cy - 23)),
                                QRect(QPoint(cx, cy + 22), QPoint(cx + 1, cy + 57))};
        QCOMPARE(Mismatch(shot, arms, QColor(0, 255, 0)), QString());
        QCOMPARE(shot.pixel(cx, cy), Surface().pixel(cx, cy));
    }

    void armsFollowTheScale_data() {
        QTest::addColumn<QList<int>>("presses");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("gap");
        QTest::addColumn<int>("thickness");
        QTest::newRow("1000") << QList<int>{SizePlus} << 13 << 10 << 1;
        QTest::newRow("800, longest thin arm") << Times(SizePlus, 2) << 19 << 13 << 1;
        QTest::newRow("600, shortest thick arm") << Times(SizePlus, 3) << 25 << 16 << 2;
        QTest::newRow("200, a press beyond") << Times(SizePlus, 6) << 36 << 22 << 2;
        QTest::newRow("1400") << QList<int>{SizeMinus} << 7 << 6 << 1;
        QTest::newRow("3000") << Times(SizeMinus, 9) << 2 << 2 << 1;
        QTest::newRow("Dynamic back to 1200") << Times(SizePlus, 4) + QList<int>{Dynamic} << 8 << 6 << 1;
        QTest::newRow("Dynamic at start") << QList<int>{Dynamic} << 8 << 6 << 1;
    }
    void armsFollowTheScale() {
        QFETCH(QList<int>, presses);
        QFETCH(int, length);
        QFETCH(int, gap);
        QFETCH(int, thickness);
        const auto window = Open();
        Press(*window, presses);
        QCOMPARE(Mismatch(PreviewShot(*window), Arms(length, gap, thickness), QColor(0, 255, 0)), QString());
    }

    void armsTakeTheBlendedColour_data() {
        QTest::addColumn<QList<int>>("presses");
        QTest::addColumn<QColor>("colour");
        const QColor sand(141, 118, 68);
        QTest::newRow("red") << QList<int>{Red} << QColor(255, 0, 0);
        QTest::newRow("blue") << QList<int>{Blue} << QColor(0, 0, 255);
        QTest::newRow("yellow") << QList<int>{Yellow} << QColor(255, 255, 0);
        QTest::newRow("lightblue") << QList<int>{Lightblue} << QColor(128, 128, 255);
        QTest::newRow("green again") << QList<int>{Blue, Green} << QColor(0, 255, 0);
        QTest::newRow("one step clearer") << QList<int>{TransparencyPlus} << QColor(8, 246, 4);
        QTest::newRow("clear green") << Times(TransparencyPlus, 17) << sand;
        QTest::newRow("clear lightblue") << QList<int>{Lightblue} + Times(TransparencyPlus, 18) << sand;
        QTest::newRow("red chosen while clear") << Times(TransparencyPlus, 17) + QList<int>{Red} << sand;
        QTest::newRow("one step back from clear")
            << Times(TransparencyPlus, 17) + QList<int>{TransparencyMinus} << QColor(132, 126, 64);
        QTest::newRow("Set Alpha on keeps the blend")
            << QList<int>{TransparencyPlus, SetAlpha} << QColor(8, 246, 4);
        QTest::newRow("Set Alpha off makes it opaque")
            << Times(TransparencyPlus, 17) + QList<int>{Red, SetAlpha, SetAlpha} << QColor(255, 0, 0);
    }
    void armsTakeTheBlendedColour() {
        QFETCH(QList<int>, presses);
        QFETCH(QColor, colour);
        const auto window = Open();
        Press(*window, presses);
        QCOMPARE(Mismatch(PreviewShot(*window), Arms(8, 8, 1), colour), QString());
    }

    void windowShowsThePreviewWhereThePlaceholderIs() {
        const auto window = Open();
        Press(*window, {Red, SizePlus, SizePlus, SizePlus});
        QWidget* preview = ControlOf<QWidget>(*window, Preview);
        QCOMPARE(preview->geometry(), QRect(301, 294, 137, 126));
        QVERIFY(preview->isVisible());
        // Nothing of the window, its group frame included, covers any pixel of it.
        QCOMPARE(Shot(*window).copy(preview->geometry()), PreviewShot(*window));
    }
};

} // namespace cssbinder::test

QTEST_MAIN(cssbinder::test::CrosshairPreviewTest)
#include "CrosshairPreviewTest.moc"
