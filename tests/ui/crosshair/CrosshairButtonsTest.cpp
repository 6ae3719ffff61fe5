#include "MainWindowFixture.h"

#include "ui/app/Globals.h"
#include "ui/res/Pictures.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QImage>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTest>

#include <utility>

namespace cssbinder::test {
namespace {

using namespace Qt::StringLiterals;

constexpr int Yellow = 1056, Red = 1059, Lightblue = 1060, Preview = 1055, SizePlus = 1062, SizeMinus = 1063,
              TransparencyPlus = 1064, TransparencyMinus = 1065, SetAlpha = 1070, UseColor = 1071,
              Dynamic = 1072, CustomSize = 1073;
constexpr int EnglishFlag = 1113, FrenchFlag = 1109, GermanFlag = 1110;
using Ids = QList<int>;

// The crosshair's centre pixel in the 137 x 126 preview.
constexpr int cx = 69, cy = 63;

void PressInTurn(const CBinderDlg& window, const Ids& controlIds) {
    for (const int controlId : controlIds) {
        Click(ControlOf<QWidget>(window, controlId));
    }
}

// The surface with four arms `length` long at `gap` from the centre, `thickness` thick, in `colour`;
// the centre pixel keeps the surface's own colour.
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
    // English and French refill the lists of the bind form in their language, from a flag or when Dynamic
    // or Custom size re-apply the shown language; German keeps them. A flag leaves the document and the
    // preview box alone. Set Alpha's caption follows the language of the lists.
    void languageAndModeButtonsRefillOrKeepTheLists_data() {
        QTest::addColumn<Ids>("flags");
        QTest::addColumn<bool>("refills");
        // The first list's title; Set Alpha on, off; after Dynamic: Dynamic, Set Alpha; after Custom
        // size: Dynamic.
        QTest::addColumn<QStringList>("captions");
        const QString frOn = u"Pas de transparence"_s, frOff = u"Appliquer transparence"_s;
        const QString enOn = u"No transparency"_s, enOff = u"Set transparency"_s;
        QTest::newRow("French after English")
            << Ids{EnglishFlag, FrenchFlag} << true
            << QStringList{u"Lettres"_s, frOn, frOff, u"Fixe"_s, frOn, u"Dynamique"_s};
        QTest::newRow("English") << Ids{EnglishFlag} << true
                                 << QStringList{u"Letters"_s, enOn, enOff, u"Fixed"_s, enOn, u"Dynamic"_s};
        QTest::newRow("German over French lists")
            << Ids{GermanFlag} << false
            << QStringList{u"Lettres"_s, frOn, frOff, u"Fest"_s, u"Keine Transparenz"_s, u"Dynamik"_s};
    }
    void languageAndModeButtonsRefillOrKeepTheLists() {
        QFETCH(Ids, flags);
        QFETCH(bool, refills);
        MainWindowFixture fixture;
        const auto window = fixture.OpenWithGameFolder();
        // Picks in two lists of the bind form, then presses; a refill returns both to their first item.
        const auto picksAfter = [&window](const Ids& presses) {
            Pick(window->m_cbLetters, 3);
            Pick(window->m_cbPrimary1, 2);
            PressInTurn(*window, presses);
            return std::pair(window->m_cbLetters->currentIndex(), window->m_cbPrimary1->currentIndex());
        };
        const auto kept = std::pair(3, 2), refilled = refills ? std::pair(0, 0) : kept;
        g_configEntries.Store("rate", "rate \"6400\"");
        window->m_editPreview->setPlainText(u"typed"_s);
        QCOMPARE(picksAfter(flags), refilled);
        QCOMPARE(std::pair(window->m_editPreview->toPlainText(), DocumentText()),
                 std::pair(u"typed"_s, u"rate \"6400\"\n"_s));
        QStringList captions{window->m_cbLetters->itemText(0)};
        QCOMPARE(picksAfter({SetAlpha}), kept);
        captions << Button(*window, SetAlpha)->text();
        PressInTurn(*window, {SetAlpha});
        captions << Button(*window, SetAlpha)->text();
        PressInTurn(*window, {SetAlpha});
        QCOMPARE(picksAfter({Dynamic}), refilled);
        captions << Button(*window, Dynamic)->text() << Button(*window, SetAlpha)->text();
        QCOMPARE(picksAfter({CustomSize}), refilled);
        QTEST(captions << Button(*window, Dynamic)->text(), "captions");
    }

    void buttonsReachThePreviewTheStepButtonsAndTheDocument_data() {
        QTest::addColumn<Ids>("presses");
        QTest::addColumn<Ids>("arm"); // length, gap, thickness
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<QString>("enabled"); // size +, size -, transparency +, transparency -
        QTest::addColumn<QString>("committed");
        const Ids start{8, 8, 1};
        const QColor green(0, 255, 0);
        const QString colour = u"cl_crosshaircolor \"%1\"\n"_s;
        QTest::newRow("start") << Ids{} << start << green << u"1110"_s << QString();
        QTest::newRow("red, 200, Custom size")
            << Ids{Red} + Ids(6, SizePlus) + Ids{UseColor, CustomSize} << Ids{36, 22, 2} << QColor(255, 0, 0)
            << u"0110"_s << colour.arg(1) + u"cl_scalecrosshair \"1\"\ncl_crosshairscale \"200\"\n"_s;
        QTest::newRow("yellow, Dynamic after Custom size")
            << Ids{Yellow, UseColor} + Ids(10, SizeMinus) + Ids{CustomSize, Dynamic} << Ids{8, 6, 1}
            << QColor(255, 255, 0) << u"1110"_s << colour.arg(3) + u"cl_dynamiccrosshair \"1\"\n"_s;
        QTest::newRow("one step clearer, lightblue, Set Alpha")
            << Ids{TransparencyPlus, Lightblue, UseColor, SetAlpha} << start << QColor(128, 126, 244)
            << u"1111"_s << colour.arg(4) + u"cl_crosshairusealpha \"1\"\ncl_crosshairalpha \"752\"\n"_s;
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
        PressInTurn(*window, presses);
        QString enabled;
        for (const int button : {SizePlus, SizeMinus, TransparencyPlus, TransparencyMinus}) {
            enabled += Button(*window, button)->isEnabled() ? u'1' : u'0';
        }
        QTEST(enabled, "enabled");
        QTEST(Committed(*window), "committed");
        // The preview sits where the placeholder was, and nothing of the window covers it.
        const QRect placeholder(301, 294, 137, 126);
        QCOMPARE(ControlOf<QWidget>(*window, Preview)->geometry(), placeholder);
        QCOMPARE(window->grab().toImage().copy(placeholder).convertToFormat(QImage::Format_RGB32),
                 Expected(arm[0], arm[1], arm[2], colour));
    }
};

} // namespace cssbinder::test

QTEST_MAIN(cssbinder::test::CrosshairButtonsTest)
#include "CrosshairButtonsTest.moc"
