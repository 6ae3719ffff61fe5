#include "MainWindowFixture.h"
#include "MemoryDisplay.h"
#include "ModalScript.h"
#include "TestFiles.h"

#include "core/gamma/RampFile.h"
#include "core/lang/GammaDialogLabels.h"
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

    // Every slider move previews its position, from the last confirmed value rather than the field;
    // every way out puts the own ramp back and only OK (last) keeps the position. A restore the screen
    // refuses (first) leaves the recovery file for the next preview, which restores before reading.
    void everyMovePreviewsThePositionShownAndOnlyOkKeepsIt() {
        const MemoryDisplay display;
        m_window->m_editGamma->setText(u"1.5"_s);
        QCOMPARE(Press(m_window->m_btnSetGamma), QStringList());
        m_window->m_editGamma->setText(u"3.5"_s);
        QCOMPARE(Press(m_window->m_btnSetGamma, {QMessageBox::Ok}),
                 QStringList{u"Please enter a number between 1 and 3."_s});
        const std::array<std::function<void(CGammaDlg&)>, 5> ways{
            [&display](CGammaDlg& dialog) {
                display.Screen().refusesWrites = true;
                dialog.reject();
            },
            [](CGammaDlg& dialog) { Click(Button(dialog, 2)); },
            [](CGammaDlg& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); },
            [](CGammaDlg& dialog) { dialog.close(); },
            [](CGammaDlg& dialog) { Click(Button(dialog, 1)); },
        };
        for (const std::function<void(CGammaDlg&)>& way : ways) {
            const bool refused = &way == &ways.front(), kept = &way == &ways.back();
            Preview([&](CGammaDlg& dialog) {
                CGammaSliderCtrl* slider = dialog.findChild<CGammaSliderCtrl*>();
                QCOMPARE(slider->value(), 220);
                for (const auto& [key, position] :
                     {std::pair(Qt::Key_End, 300), std::pair(Qt::Key_PageDown, 260),
                      std::pair(Qt::Key_Left, 259), std::pair(Qt::Key_unknown, 299)}) {
                    if (key != Qt::Key_unknown) {
                        QTest::keyClick(slider, key);
                    } else {
                        QTest::mouseClick(slider, Qt::LeftButton, {},
                                          QPoint(slider->width() - 4, slider->height() / 2));
                    }
                    QCOMPARE(slider->value(), position);
                    QCOMPARE(display.Screen().ramps, display.RampsFor(position));
                }
                way(dialog);
                QCOMPARE(display.Screen().ramps, refused ? display.RampsFor(299) : display.OwnRamps());
            });
            display.Screen().refusesWrites = false;
            QCOMPARE(QFile::exists(GammaRecoveryPath()), refused);
            QCOMPARE(m_window->m_editGamma->text(), kept ? u"2.99"_s : u"3.5"_s);
            QCOMPARE(Committed(*m_window),
                     u"mat_monitorgamma \"%1\"\n"_s.arg(kept ? u"2.990000"_s : u"1.500000"_s));
            // The slider was put back on the own ramp's estimate before the profile took its position.
            QCOMPARE(ReadProfileNumber(ProfileKey::GammaSliderPosition).value_or(0),
                     EstimatePosition(display.OwnRamps().front()));
        }
        Preview([](CGammaDlg& dialog) {
            QCOMPARE(dialog.findChild<CGammaSliderCtrl*>()->value(), 299);
            dialog.reject();
        });
    }

    // An unreadable screen keeps the slider still; an unchangeable one, or a recovery file that cannot keep
    // the ramps, previews in the pictures only and leaves the file. Each note is said in its own language.
    void aScreenThatCannotBeUsedSaysWhy_data() {
        QTest::addColumn<GammaNote>("note");
        // Every note but the one said at start-up.
        for (int note = 0; note < int(GammaNote::RecoverySetAside); ++note) {
            QTest::addRow("note %d", note) << GammaNote(note);
        }
    }
    void aScreenThatCannotBeUsedSaysWhy() {
        QFETCH(GammaNote, note);
        const int language = int(note);
        const MemoryDisplay display(note == GammaNote::RampUnreadable       ? GammaAccess::Unreadable
                                    : note == GammaNote::ScreenCannotChange ? GammaAccess::NotChangeable
                                                                            : GammaAccess::Changeable);
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
            auto* label = ControlOf<QLabel>(dialog, 1114);
            QVERIFY(label->isVisibleTo(&dialog));
            const QString pattern = QRegularExpression::escape(ToQString(GammaNoteText(note, language)))
                                        .replace(u"\\%1"_s, QRegularExpression::escape(recovery))
                                        .replace(u"\\%2"_s, u".+"_s);
            QVERIFY2(QRegularExpression(u'^' + pattern + u'$').match(label->text()).hasMatch(),
                     qPrintable(label->text()));
            auto* slider = dialog.findChild<CGammaSliderCtrl*>();
            QCOMPARE(slider->isEnabled(), note != GammaNote::RampUnreadable);
            auto* picture = dialog.findChild<PictureControl*>(u"-1"_s);
            const QRgb before = picture->Image().pixel(200, 10);
            QTest::keyClick(slider, Qt::Key_Home);
            QCOMPARE(qGray(picture->Image().pixel(200, 10)) < qGray(before), slider->isEnabled());
            dialog.accept();
        });
        QCOMPARE(m_window->m_fGamma, note == GammaNote::RampUnreadable ? 2.2f : 1.0f);
        QCOMPARE(display.Screen().written.size(), 0u);
        QCOMPARE(ReadFile(recovery), kept);
    }

    // Kept ramps stay while another copy holds them; those that cannot be the screen's own are set aside,
    // said once. A stored position beyond the slider opens at its end.
    void nothingStoredOutsideTheToolsRangeReachesTheScreen() {
        MemoryDisplay display;
        const std::vector<GammaRamp> black{BuildGammaRamp(2.0f, 256), GammaRamp{{0}, {0}, {0}}};
        const QByteArray left = QByteArray::fromStdString(SerializeRamps(black));
        QVERIFY(WriteFile(GammaRecoveryPath(), left));
        QLockFile otherCopy(GammaRecoveryPath() + u".lock"_s);
        QVERIFY(otherCopy.lock() && !RestoreRampsLeftByAnEarlierRun() &&
                ReadFile(GammaRecoveryPath()) == left);
        otherCopy.unlock();
        const std::optional<RecoveryNote> said = RestoreRampsLeftByAnEarlierRun();
        QVERIFY(said && said->note == GammaNote::RecoverySetAside);
        QCOMPARE(ReadFile(said->detail), left);
        QVERIFY(!QFile::exists(GammaRecoveryPath()) && !RestoreRampsLeftByAnEarlierRun());
        QCOMPARE(display.Screen().written.size(), 0u);

        for (const auto& [stored, position] :
             {std::pair(u"99999"_s, 300), std::pair(u"-2147483648"_s, 100)}) {
            QCOMPARE(WriteProfile(ProfileKey::GammaSliderPosition, stored), QString());
            display.Screen().written.clear();
            Preview([](CGammaDlg& dialog) { dialog.reject(); });
            QCOMPARE(display.Screen().written.front(), display.RampsFor(position));
        }
    }

private:
    // Opens the preview and runs the step, which ends the dialog, inside it.
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
