#include "MainWindowFixture.h"
#include "MemoryDisplay.h"
#include "ModalScript.h"

#include "TestFiles.h"

#include "core/gamma/RampFile.h"
#include "core/lang/GammaDialogLabels.h"
#include "core/lang/Language.h"
#include "platform/gamma/GammaRecovery.h"
#include "platform/profile/Profile.h"
#include "ui/app/Globals.h"
#include "ui/app/PictureControl.h"
#include "ui/app/QtText.h"
#include "ui/gamma/CGammaDlg.h"
#include "ui/gamma/CGammaSliderCtrl.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLockFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <functional>

namespace cssbinder::test {

using namespace Qt::StringLiterals;

CGammaSliderCtrl* Slider(const CGammaDlg& dialog) {
    return ControlOf<CGammaSliderCtrl>(dialog, 1069);
}

class GammaPreviewTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        g_configEntries = ConfigDocument();
        g_lastGamma = 2.2;
        m_window = m_fixture.OpenWithGameFolder();
    }
    void cleanup() {
        m_window.reset();
        QFile::remove(GammaRecoveryPath());
        QDir(GammaRecoveryPath()).removeRecursively();
    }

    // Set writes a field in range as the gamma line and refuses one out of range. Whatever moves the
    // slider, the screen shows the position it shows, starting from the last confirmed value rather than
    // the field; every way out puts the screen's own ramp back at once, and only OK hands the position
    // over as the value and reopens there.
    void everyMovePreviewsThePositionShownAndOnlyOkKeepsIt_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("way");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("line");
        QTest::newRow("End, OK") << int(Qt::Key_End) << 300 << 0 << u"3"_s << u"3.000000"_s;
        QTest::newRow("page, OK") << int(Qt::Key_PageDown) << 180 << 0 << u"1.8"_s << u"1.800000"_s;
        QTest::newRow("arrow, OK") << int(Qt::Key_Left) << 219 << 0 << u"2.19"_s << u"2.190000"_s;
        QTest::newRow("click in the channel, OK") << 0 << 260 << 0 << u"2.6"_s << u"2.600000"_s;
        QTest::newRow("Cancel") << int(Qt::Key_Right) << 221 << 1 << u"3.5"_s << u"1.500000"_s;
        QTest::newRow("Escape") << int(Qt::Key_Right) << 221 << 2 << u"3.5"_s << u"1.500000"_s;
        QTest::newRow("close box") << int(Qt::Key_Right) << 221 << 3 << u"3.5"_s << u"1.500000"_s;
    }
    void everyMovePreviewsThePositionShownAndOnlyOkKeepsIt() {
        QFETCH(int, key);
        QFETCH(int, position);
        QFETCH(int, way);
        QFETCH(QString, field);
        QFETCH(QString, line);
        const MemoryDisplay display;
        m_window->m_editGamma->setText(u"1.5"_s);
        QCOMPARE(Press(m_window->m_btnSetGamma), QStringList());
        m_window->m_editGamma->setText(u"3.5"_s);
        QCOMPARE(Press(m_window->m_btnSetGamma, {QMessageBox::Ok}),
                 QStringList{u"Please enter a number between 1 and 3."_s});
        Preview([&](CGammaDlg& dialog) {
            CGammaSliderCtrl* slider = Slider(dialog);
            QCOMPARE(slider->value(), 220);
            QCOMPARE(display.Screen().ramps, display.RampsFor(220));
            QVERIFY(QFile::exists(GammaRecoveryPath()));
            if (key != 0) {
                QTest::keyClick(slider, Qt::Key(key));
            } else {
                QTest::mouseClick(slider, Qt::LeftButton, {},
                                  QPoint(slider->width() - 4, slider->height() / 2));
            }
            QCOMPARE(slider->value(), position);
            QCOMPARE(display.Screen().ramps, display.RampsFor(position));
            const std::array<std::function<void()>, 4> ways{
                [&] { Click(dialog.findChild<QPushButton*>(u"1"_s)); },
                [&] { Click(dialog.findChild<QPushButton*>(u"2"_s)); },
                [&] { QTest::keyClick(&dialog, Qt::Key_Escape); },
                [&] { dialog.close(); },
            };
            ways.at(static_cast<std::size_t>(way))();
            QCOMPARE(display.Screen().ramps, display.OwnRamps());
            // Over the main window, not wherever the window system likes.
            QCOMPARE(dialog.parentWidget(), m_window.get());
        });
        QVERIFY(!QFile::exists(GammaRecoveryPath()));
        QCOMPARE(m_window->m_editGamma->text(), field);
        QCOMPARE(Committed(*m_window), u"mat_monitorgamma \"%1\"\n"_s.arg(line));
        // The slider was put back on the own ramp's estimate before the profile took its position.
        QCOMPARE(GetProfileInt(u"GammaSlider"_s, u"Settings"_s, 0),
                 EstimatePosition(display.OwnRamps().front()));
        Preview([&](CGammaDlg& dialog) {
            QCOMPARE(Slider(dialog)->value(), way == 0 ? position : 220);
            dialog.reject();
        });
    }

    // A screen that cannot be read keeps the slider at the opening position; where no program may
    // change the screen, or its own ramps cannot be kept safe in the recovery file (another copy keeps
    // it, it still holds an earlier run's ramps the screen cannot take back, it cannot be written), the
    // pictures show the ramp instead and the file stays as it was. Either is said in the chosen language.
    void aScreenThatCannotBeUsedSaysWhy_data() {
        QTest::addColumn<GammaAccess>("access");
        QTest::addColumn<GammaNote>("note");
        QTest::addColumn<int>("language");
        QTest::addColumn<float>("gamma");
        QTest::newRow("unreadable") << GammaAccess::Unreadable << GammaNote::RampUnreadable << int(French)
                                    << 2.2f;
        for (const GammaNote note : {GammaNote::ScreenCannotChange, GammaNote::RecoveryInUse,
                                     GammaNote::RecoveryNotApplied, GammaNote::RecoveryNotWritten}) {
            QTest::addRow("note %d", int(note))
                << (note == GammaNote::ScreenCannotChange ? GammaAccess::NotChangeable
                                                          : GammaAccess::Changeable)
                << note << int(note) << 1.0f;
        }
    }
    void aScreenThatCannotBeUsedSaysWhy() {
        QFETCH(GammaAccess, access);
        QFETCH(GammaNote, note);
        QFETCH(int, language);
        QFETCH(float, gamma);
        const MemoryDisplay display(access);
        const QString recovery = GammaRecoveryPath();
        QLockFile otherCopy(recovery + u".lock"_s);
        QVERIFY(note != GammaNote::RecoveryInUse ||
                (QDir().mkpath(QFileInfo(recovery).path()) && otherCopy.lock()));
        QVERIFY(note != GammaNote::RecoveryNotApplied ||
                WriteFile(recovery, QByteArray::fromStdString(SerializeRamps({BuildGammaRamp(1.0f)}))));
        QVERIFY(note != GammaNote::RecoveryNotWritten || QDir().mkpath(recovery));
        const QByteArray kept = ReadFile(recovery);
        ClickFlag(*m_window, language);
        Preview([&](CGammaDlg& dialog) {
            auto* label = dialog.findChild<QLabel*>(u"1114"_s);
            QVERIFY(label->isVisibleTo(&dialog));
            const QString pattern = QRegularExpression::escape(ToQString(GammaNoteText(note, language)))
                                        .replace(u"\\%1"_s, QRegularExpression::escape(recovery))
                                        .replace(u"\\%2"_s, u".+"_s);
            QVERIFY2(QRegularExpression(u'^' + pattern + u'$').match(label->text()).hasMatch(),
                     qPrintable(label->text()));
            QCOMPARE(Slider(dialog)->isEnabled(), access != GammaAccess::Unreadable);
            auto* picture = dialog.findChild<PictureControl*>(u"-1"_s);
            const QRgb before = picture->Image().pixel(200, 10);
            QTest::keyClick(Slider(dialog), Qt::Key_Home);
            QCOMPARE(qGray(picture->Image().pixel(200, 10)) < qGray(before), Slider(dialog)->isEnabled());
            dialog.accept();
        });
        QCOMPARE(m_window->m_fGamma, gamma);
        QCOMPARE(display.Screen().written.size(), 0u);
        QCOMPARE(ReadFile(recovery), kept);
    }

    // The recovery file goes only once the screen's own ramps are back: a refused restore leaves it
    // for the next preview, which puts them back before it reads the screen.
    void theRecoveryFileGoesOnlyOnceTheOwnRampsAreBack() {
        MemoryDisplay display;
        for (const bool refused : {true, false}) {
            Preview([&](CGammaDlg& dialog) {
                QCOMPARE(display.Screen().ramps, display.RampsFor(220));
                display.Screen().refusesWrites = refused;
                dialog.reject();
            });
            QCOMPARE(display.Screen().ramps, refused ? display.RampsFor(220) : display.OwnRamps());
            QCOMPARE(QFile::exists(GammaRecoveryPath()), refused);
            display.Screen().refusesWrites = false;
        }
    }

    // Ramps left in the recovery file that cannot be the screen's own never reach it: the file is set
    // aside, said once. A stored slider position beyond the slider opens at the slider's end.
    void nothingStoredOutsideTheToolsRangeReachesTheScreen() {
        MemoryDisplay display;
        const std::vector<GammaRamp> black{BuildGammaRamp(2.0f, 256), GammaRamp{{0}, {0}, {0}}};
        const QByteArray left = QByteArray::fromStdString(SerializeRamps(black));
        QVERIFY(WriteFile(GammaRecoveryPath(), left));
        const std::optional<RecoveryNote> said = RestoreRampsLeftByAnEarlierRun();
        QVERIFY(said && said->note == GammaNote::RecoverySetAside);
        QCOMPARE(ReadFile(said->detail), left);
        QVERIFY(!QFile::exists(GammaRecoveryPath()) && !RestoreRampsLeftByAnEarlierRun());
        QCOMPARE(display.Screen().written.size(), 0u);

        for (const auto& [stored, position] :
             {std::pair(u"99999"_s, 300), std::pair(u"-2147483648"_s, 100)}) {
            QCOMPARE(WriteProfileString(u"GammaSlider"_s, u"Settings"_s, stored), QString());
            display.Screen().written.clear();
            Preview([](CGammaDlg& dialog) { dialog.reject(); });
            QCOMPARE(display.Screen().written.front(), display.RampsFor(position));
        }
    }

private:
    // Opens the preview from the main window and runs the step inside it; the step ends the dialog.
    void Preview(const std::function<void(CGammaDlg&)>& step) {
        ModalScript script;
        script.Then([&step](QWidget& window) {
            step(*qobject_cast<CGammaDlg*>(&window));
            // A step whose check failed returned early: its dialog must not keep the test waiting.
            window.close();
        });
        Click(m_window->m_btnPreview);
        QTRY_COMPARE(script.Pending(), 0u);
        QVERIFY(script.Unexpected().isEmpty());
    }

    MainWindowFixture m_fixture;
    std::unique_ptr<CBinderDlg> m_window;
};

} // namespace cssbinder::test

QTEST_MAIN(cssbinder::test::GammaPreviewTest)
#include "GammaPreviewTest.moc"
