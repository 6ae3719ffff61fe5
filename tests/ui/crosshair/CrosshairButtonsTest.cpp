#include "MainWindowFixture.h"
#include "ModalScript.h"

#include "ui/app/Globals.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

namespace cssbinder::test {
namespace {

enum Control {
    Green = 1058,
    Red = 1059,
    Blue = 1057,
    Yellow = 1056,
    Lightblue = 1060,
    SizePlus = 1062,
    SizeMinus = 1063,
    TransparencyPlus = 1064,
    TransparencyMinus = 1065,
    SetAlpha = 1070,
    UseColor = 1071,
    Dynamic = 1072,
    CustomSize = 1073,
};

enum LanguageFlag { EnglishFlag, FrenchFlag, GermanFlag, ItalianFlag, SpanishFlag };

QAbstractButton* Button(const CBinderDlg& window, int controlId) {
    return ControlOf<QAbstractButton>(window, controlId);
}

void Press(const CBinderDlg& window, const QList<int>& controlIds) {
    for (const int controlId : controlIds) {
        Click(Button(window, controlId));
    }
}

QList<int> Times(int controlId, int count) {
    return QList<int>(count, controlId);
}

QString Caption(const CBinderDlg& window, int controlId) {
    return Button(window, controlId)->text();
}

// The committed lines as the preview box shows them, provided that the box shows exactly the
// document; otherwise both texts, so that the comparison fails with them.
QStringList Committed(const CBinderDlg& window) {
    QString document = QString::fromStdString(g_configEntries.Render());
    document.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QString shown = window.m_editPreview->toPlainText();
    if (shown != document) {
        return {QStringLiteral("preview box: ") + shown, QStringLiteral("document: ") + document};
    }
    return shown.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

class CrosshairButtonsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> m_fixture;

    std::unique_ptr<CBinderDlg> Open() {
        m_fixture->StoreGameFolder();
        return m_fixture->Open();
    }

private slots:
    void init() { m_fixture = std::make_unique<MainWindowFixture>(); }
    void cleanup() { m_fixture.reset(); }

    void useColorCommitsTheCheckedRadio_data() {
        QTest::addColumn<int>("radio");
        QTest::addColumn<QString>("line");
        QTest::newRow("green") << int(Green) << QStringLiteral("cl_crosshaircolor \"0\"");
        QTest::newRow("red") << int(Red) << QStringLiteral("cl_crosshaircolor \"1\"");
        QTest::newRow("blue") << int(Blue) << QStringLiteral("cl_crosshaircolor \"2\"");
        QTest::newRow("yellow") << int(Yellow) << QStringLiteral("cl_crosshaircolor \"3\"");
        QTest::newRow("lightblue") << int(Lightblue) << QStringLiteral("cl_crosshaircolor \"4\"");
    }
    void useColorCommitsTheCheckedRadio() {
        QFETCH(int, radio);
        QFETCH(QString, line);
        const auto window = Open();
        QCOMPARE(Committed(*window), QStringList());
        Press(*window, {UseColor});
        QCOMPARE(Committed(*window), QStringList{QStringLiteral("cl_crosshaircolor \"0\"")});

        Press(*window, {radio});
        QVERIFY(Button(*window, radio)->isChecked());
        QCOMPARE(Committed(*window), QStringList{QStringLiteral("cl_crosshaircolor \"0\"")});
        Press(*window, {UseColor});
        QCOMPARE(Committed(*window), QStringList{line});
    }

    void setAlphaCommitsTheTransparencyAndTakesItBack() {
        const auto window = Open();
        Press(*window, {SetAlpha});
        QCOMPARE(Committed(*window), (QStringList{QStringLiteral("cl_crosshairusealpha \"1\""),
                                                  QStringLiteral("cl_crosshairalpha \"799\"")}));
        Press(*window, {SetAlpha});
        QCOMPARE(Committed(*window), QStringList());

        // The adjusting buttons reach the document only through the next Set Alpha.
        Press(*window, Times(TransparencyPlus, 3));
        QCOMPARE(Committed(*window), QStringList());
        Press(*window, {SetAlpha, TransparencyPlus});
        QCOMPARE(Committed(*window), (QStringList{QStringLiteral("cl_crosshairusealpha \"1\""),
                                                  QStringLiteral("cl_crosshairalpha \"658\"")}));
        Press(*window, {SetAlpha});
        QCOMPARE(Committed(*window), QStringList());
        QCOMPARE(window->m_crosshair.m_nAlpha, 255);
    }

    void dynamicAndCustomSizeReplaceEachOther() {
        const auto window = Open();
        Press(*window, {Dynamic});
        QCOMPARE(Committed(*window), QStringList{QStringLiteral("cl_dynamiccrosshair \"1\"")});
        Press(*window, {Dynamic});
        QCOMPARE(Committed(*window), QStringList());

        Press(*window, {SizePlus, CustomSize});
        QCOMPARE(Committed(*window), (QStringList{QStringLiteral("cl_scalecrosshair \"1\""),
                                                  QStringLiteral("cl_crosshairscale \"1000\"")}));
        Press(*window, {SizePlus, CustomSize});
        QCOMPARE(Committed(*window), (QStringList{QStringLiteral("cl_scalecrosshair \"1\""),
                                                  QStringLiteral("cl_crosshairscale \"800\"")}));

        Press(*window, {Dynamic});
        QCOMPARE(Committed(*window), QStringList{QStringLiteral("cl_dynamiccrosshair \"1\"")});
        QCOMPARE(Caption(*window, Dynamic), QStringLiteral("Fixe"));
        // Dynamic went back to the default scale, which Custom size now writes.
        Press(*window, {CustomSize});
        QCOMPARE(Committed(*window), (QStringList{QStringLiteral("cl_scalecrosshair \"1\""),
                                                  QStringLiteral("cl_crosshairscale \"1200\"")}));
        QCOMPARE(Caption(*window, Dynamic), QStringLiteral("Dynamique"));
        QVERIFY(!window->m_crosshair.m_bDynamic);
    }

    void removalsLeaveBindsThatMentionTheVariables() {
        const auto window = Open();
        const QString bind = QStringLiteral(
            "bind \"k\" \"say cl_crosshaircolor cl_crosshairalpha cl_crosshairusealpha cl_dynamiccrosshair "
            "cl_crosshairscale cl_scalecrosshair\"");
        g_configEntries.Store("k", bind.toStdString());
        Press(*window, {UseColor, Red, UseColor, SetAlpha, SetAlpha, Dynamic, CustomSize, Dynamic, Dynamic});
        QCOMPARE(Committed(*window), (QStringList{bind, QStringLiteral("cl_crosshaircolor \"1\"")}));
    }

    void modeButtonCaptionsFollowTheLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("fixed");
        QTest::addColumn<QString>("dynamic");
        QTest::newRow("English") << int(EnglishFlag) << QStringLiteral("Fixed") << QStringLiteral("Dynamic");
        QTest::newRow("French") << int(FrenchFlag) << QStringLiteral("Fixe") << QStringLiteral("Dynamique");
        QTest::newRow("German") << int(GermanFlag) << QStringLiteral("Fest") << QStringLiteral("Dynamik");
        QTest::newRow("Italian") << int(ItalianFlag) << QStringLiteral("Fisso") << QStringLiteral("Dinamico");
        QTest::newRow("Spanish") << int(SpanishFlag) << QStringLiteral("Fijo")
                                 << QStringLiteral("Din\u00e1mico");
    }
    void modeButtonCaptionsFollowTheLanguage() {
        QFETCH(int, language);
        QFETCH(QString, fixed);
        QFETCH(QString, dynamic);
        const auto window = Open();
        QCOMPARE(Caption(*window, Dynamic), QStringLiteral("Dynamique"));
        Press(*window, {Dynamic});
        QCOMPARE(Caption(*window, Dynamic), QStringLiteral("Fixe"));
        ClickFlag(*window, language);
        QCOMPARE(Caption(*window, Dynamic), fixed);
        Press(*window, {Dynamic});
        QCOMPARE(Caption(*window, Dynamic), dynamic);
        Press(*window, {Dynamic});
        QCOMPARE(Caption(*window, Dynamic), fixed);
        Press(*window, {CustomSize});
        QCOMPARE(Caption(*window, Dynamic), dynamic);
    }

    void setAlphaCaptionFollowsTheListLanguage_data() {
        QTest::addColumn<QList<int>>("flags");
        QTest::addColumn<QString>("on");
        QTest::addColumn<QString>("off");
        QTest::addColumn<QString>("shownOn"); // the shown language's caption, once it is re-applied
        QTest::addColumn<int>("next");
        QTest::addColumn<QString>("nextOn");
        const QString frenchOn = QStringLiteral("Pas de transparence");
        const QString frenchOff = QStringLiteral("Appliquer transparence");
        const QString englishOn = QStringLiteral("No transparency");
        const QString englishOff = QStringLiteral("Set transparency");
        QTest::newRow("French") << QList<int>{} << frenchOn << frenchOff << frenchOn << int(EnglishFlag)
                                << englishOn;
        QTest::newRow("English") << QList<int>{EnglishFlag} << englishOn << englishOff << englishOn
                                 << int(GermanFlag) << QStringLiteral("Keine Transparenz");
        QTest::newRow("German over French lists")
            << QList<int>{GermanFlag} << frenchOn << frenchOff << QStringLiteral("Keine Transparenz")
            << int(ItalianFlag) << QStringLiteral("Nessun acetato");
        QTest::newRow("Spanish over English lists")
            << QList<int>{EnglishFlag, SpanishFlag} << englishOn << englishOff
            << QStringLiteral("Ninguna transparencia") << int(FrenchFlag) << frenchOn;
        QTest::newRow("Italian over French lists")
            << QList<int>{EnglishFlag, FrenchFlag, ItalianFlag} << frenchOn << frenchOff
            << QStringLiteral("Nessun acetato") << int(SpanishFlag)
            << QStringLiteral("Ninguna transparencia");
    }
    void setAlphaCaptionFollowsTheListLanguage() {
        QFETCH(QList<int>, flags);
        QFETCH(QString, on);
        QFETCH(QString, off);
        QFETCH(QString, shownOn);
        QFETCH(int, next);
        QFETCH(QString, nextOn);
        const auto window = Open();
        for (const int flag : flags) {
            ClickFlag(*window, flag);
        }
        Press(*window, {SetAlpha});
        QCOMPARE(Caption(*window, SetAlpha), on);
        Press(*window, {SetAlpha});
        QCOMPARE(Caption(*window, SetAlpha), off);
        Press(*window, {SetAlpha});
        QCOMPARE(Caption(*window, SetAlpha), on);
        // Dynamic re-applies the shown language, and with it this caption.
        Press(*window, {Dynamic});
        QCOMPARE(Caption(*window, SetAlpha), shownOn);
        ClickFlag(*window, next);
        QCOMPARE(Caption(*window, SetAlpha), nextOn);
    }

    void stepButtonsAreDisabledOnlyByAPressAtTheirLimit_data() {
        QTest::addColumn<QList<int>>("presses");
        QTest::addColumn<bool>("sizePlus");
        QTest::addColumn<bool>("sizeMinus");
        QTest::addColumn<bool>("transparencyPlus");
        QTest::addColumn<bool>("transparencyMinus");
        QTest::newRow("start") << QList<int>{} << true << true << true << false;
        QTest::newRow("size + to the largest") << Times(SizePlus, 5) << true << true << true << false;
        QTest::newRow("size + beyond") << Times(SizePlus, 6) << false << true << true << false;
        QTest::newRow("size - re-enables size +")
            << Times(SizePlus, 6) + QList<int>{SizeMinus} << true << true << true << false;
        QTest::newRow("size - to the smallest") << Times(SizeMinus, 9) << true << true << true << false;
        QTest::newRow("size - beyond") << Times(SizeMinus, 10) << true << false << true << false;
        QTest::newRow("Dynamic re-enables size +")
            << Times(SizePlus, 6) + QList<int>{Dynamic} << true << true << true << false;
        QTest::newRow("Dynamic re-enables size -")
            << Times(SizeMinus, 10) + QList<int>{Dynamic} << true << true << true << false;
        QTest::newRow("Custom size leaves them")
            << Times(SizePlus, 6) + QList<int>{CustomSize} << false << true << true << false;
        QTest::newRow("transparency + enables transparency -")
            << QList<int>{TransparencyPlus} << true << true << true << true;
        QTest::newRow("transparency + to clear")
            << Times(TransparencyPlus, 17) << true << true << true << true;
        QTest::newRow("transparency + beyond")
            << Times(TransparencyPlus, 18) << true << true << false << true;
        QTest::newRow("transparency - back to opaque and beyond")
            << QList<int>{TransparencyPlus, TransparencyMinus, TransparencyMinus} << true << true << true
            << false;
        QTest::newRow("transparency - re-enables transparency +")
            << Times(TransparencyPlus, 18) + QList<int>{TransparencyMinus} << true << true << true << true;
        QTest::newRow("Set Alpha on leaves them")
            << Times(TransparencyPlus, 18) + QList<int>{SetAlpha} << true << true << false << true;
        QTest::newRow("Set Alpha off resets them")
            << Times(TransparencyPlus, 18) + QList<int>{SetAlpha, SetAlpha} << true << true << true << false;
    }
    void stepButtonsAreDisabledOnlyByAPressAtTheirLimit() {
        QFETCH(QList<int>, presses);
        const auto window = Open();
        Press(*window, presses);
        QTEST(Button(*window, SizePlus)->isEnabled(), "sizePlus");
        QTEST(Button(*window, SizeMinus)->isEnabled(), "sizeMinus");
        QTEST(Button(*window, TransparencyPlus)->isEnabled(), "transparencyPlus");
        QTEST(Button(*window, TransparencyMinus)->isEnabled(), "transparencyMinus");
    }

    void modeButtonsRefillTheListsOnlyInEnglishOrFrench_data() {
        QTest::addColumn<QList<int>>("flags");
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("refilled");
        QTest::newRow("French, Dynamic") << QList<int>{} << int(Dynamic) << true;
        QTest::newRow("French, Custom size") << QList<int>{} << int(CustomSize) << true;
        QTest::newRow("English, Dynamic") << QList<int>{EnglishFlag} << int(Dynamic) << true;
        QTest::newRow("English, Custom size") << QList<int>{EnglishFlag} << int(CustomSize) << true;
        QTest::newRow("German, Dynamic") << QList<int>{GermanFlag} << int(Dynamic) << false;
        QTest::newRow("German, Custom size") << QList<int>{GermanFlag} << int(CustomSize) << false;
        QTest::newRow("Italian, Dynamic") << QList<int>{ItalianFlag} << int(Dynamic) << false;
        QTest::newRow("Spanish, Custom size") << QList<int>{SpanishFlag} << int(CustomSize) << false;
        QTest::newRow("English, Set Alpha") << QList<int>{EnglishFlag} << int(SetAlpha) << false;
        QTest::newRow("French, Use color") << QList<int>{} << int(UseColor) << false;
    }
    void modeButtonsRefillTheListsOnlyInEnglishOrFrench() {
        QFETCH(QList<int>, flags);
        QFETCH(int, button);
        QFETCH(bool, refilled);
        const auto window = Open();
        for (const int flag : flags) {
            ClickFlag(*window, flag);
        }
        Pick(window->m_cbLetters, 3);
        Pick(window->m_cbPrimary1, 2);
        Pick(window->m_cbQuickWeapon, 1);
        const QString letter = window->m_cbLetters->currentText();

        Press(*window, {button});
        QCOMPARE(window->m_cbLetters->currentIndex(), refilled ? 0 : 3);
        QCOMPARE(window->m_cbPrimary1->currentIndex(), refilled ? 0 : 2);
        QCOMPARE(window->m_cbQuickWeapon->currentIndex(), refilled ? 0 : 1);
        if (!refilled) {
            QCOMPARE(window->m_cbLetters->currentText(), letter);
        }
    }

    void colourClickWithABadGammaKeepsThePreviousIndex() {
        const auto window = Open();
        ModalScript script;
        window->m_editGamma->setText(QStringLiteral("5"));
        script.AnswerMessage();
        Press(*window, {Red});
        QCOMPARE(script.Messages(), QStringList{QStringLiteral("Please enter a number between 1 and 3.")});
        QVERIFY(Button(*window, Red)->isChecked());
        Press(*window, {UseColor});
        QCOMPARE(Committed(*window), QStringList{QStringLiteral("cl_crosshaircolor \"0\"")});

        window->m_editGamma->setText(QStringLiteral("2.5"));
        Press(*window, {Blue, UseColor});
        QCOMPARE(Committed(*window), QStringList{QStringLiteral("cl_crosshaircolor \"2\"")});
        QCOMPARE(script.Messages().size(), 1);
        QVERIFY(script.Unexpected().isEmpty());
    }
};

} // namespace cssbinder::test

QTEST_MAIN(cssbinder::test::CrosshairButtonsTest)
#include "CrosshairButtonsTest.moc"
