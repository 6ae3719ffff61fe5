#include "MainWindowFixture.h"

#include "ui/res/Pictures.h"

#include <QImage>
#include <QPainter>

namespace cssbinder::test {
namespace {

using namespace Qt::StringLiterals;

constexpr int Yellow = 1056, Red = 1059, Lightblue = 1060, SizePlus = 1062, SizeMinus = 1063,
              TransparencyPlus = 1064, TransparencyMinus = 1065, SetAlpha = 1070, UseColor = 1071,
              Dynamic = 1072, CustomSize = 1073;
using Ids = QList<int>;

// The crosshair's centre pixel in the 137 x 126 preview.
constexpr int cx = 69, cy = 63;

// The surface with four arms `length` long at `gap` from the centre pixel, which keeps the surface.
QImage Expected(int length, int gap, int thickness, const QColor& colour) {
    QImage image = Bitmap(133).convertToFormat(QImage::Format_RGB32);
    QPainter painter(&image);
    for (const QRect& arm :
         {QRect(cx - gap - length, cy, length, thickness), QRect(cx + gap, cy, length, thickness),
          QRect(cx, cy - gap - length, thickness, length), QRect(cx, cy + gap, thickness, length)}) {
        painter.fillRect(arm, colour);
    }
    return image;
}

} // namespace

class CrosshairButtonsTest : public QObject {
    Q_OBJECT
private slots:
    // The preview, where the placeholder was and uncovered, shows the arms and colour the presses give;
    // the step buttons and the document follow.
    void buttonsReachThePreviewTheStepButtonsAndTheDocument_data() {
        QTest::addColumn<Ids>("presses");
        QTest::addColumn<Ids>("arm"); // length, gap, thickness
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<QString>("enabled"); // size +, size -, transparency +, transparency -
        QTest::addColumn<QString>("committed");
        const Ids start{8, 8, 1};
        const QString colour = u"cl_crosshaircolor \"%1\"\n"_s;
        QTest::newRow("start") << Ids{} << start << QColor(0, 255, 0) << u"1110"_s << QString();
        QTest::newRow("red, 200, Custom size")
            << Ids{Red} + Ids(6, SizePlus) + Ids{UseColor, CustomSize} << Ids{36, 22, 2} << QColor(255, 0, 0)
            << u"0110"_s << colour.arg(1) + u"cl_scalecrosshair \"1\"\ncl_crosshairscale \"200\"\n"_s;
        QTest::newRow("yellow, Dynamic after Custom size")
            << Ids{Yellow, UseColor} + Ids(10, SizeMinus) + Ids{CustomSize, Dynamic} << Ids{8, 6, 1}
            << QColor(255, 255, 0) << u"1110"_s << colour.arg(3) + u"cl_dynamiccrosshair \"1\"\n"_s;
        QTest::newRow("one step clearer, lightblue, Set Alpha")
            << Ids{TransparencyPlus, Lightblue, SetAlpha, UseColor} << start << QColor(128, 126, 244)
            << u"1111"_s << u"cl_crosshairusealpha \"1\"\ncl_crosshairalpha \"752\"\n"_s + colour.arg(4);
        QTest::newRow("clear, Dynamic on and off")
            << Ids(18, TransparencyPlus) + Ids{Dynamic, Dynamic} << Ids{8, 6, 1} << QColor(141, 118, 68)
            << u"1101"_s << QString();
    }
    void buttonsReachThePreviewTheStepButtonsAndTheDocument() {
        QFETCH(Ids, presses);
        QFETCH(Ids, arm);
        QFETCH(QColor, colour);
        MainWindowFixture fixture;
        const auto window = fixture.OpenWithGameFolder();
        for (const int button : presses) {
            Click(ControlOf<QWidget>(*window, button));
        }
        QString enabled;
        for (const int button : {SizePlus, SizeMinus, TransparencyPlus, TransparencyMinus}) {
            enabled += Button(*window, button)->isEnabled() ? u'1' : u'0';
        }
        QTEST(enabled, "enabled");
        QTEST(Committed(*window), "committed");
        QCOMPARE(window->grab(QRect(301, 294, 137, 126)).toImage().convertToFormat(QImage::Format_RGB32),
                 Expected(arm[0], arm[1], arm[2], colour));
    }
};

} // namespace cssbinder::test

QTEST_MAIN(cssbinder::test::CrosshairButtonsTest)
#include "CrosshairButtonsTest.moc"
