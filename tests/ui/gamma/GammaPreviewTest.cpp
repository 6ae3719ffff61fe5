#include "MainWindowFixture.h"
#include "MemoryDisplay.h"
#include "ModalScript.h"

#include "core/lang/GammaDialogLabels.h"
#include "core/lang/Language.h"
#include "platform/GammaRecovery.h"
#include "platform/Profile.h"
#include "ui/app/Globals.h"
#include "ui/app/PictureControl.h"
#include "ui/app/QtText.h"
#include "ui/gamma/CGammaDlg.h"
#include "ui/gamma/CGammaSliderCtrl.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
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
    void cleanup() { m_window.reset(); }

    // The field's parsing is proven with Exit. Set writes a value in range as the one gamma line; a
    // value out of range is refused and leaves the line as it was.
    void setWritesTheFieldAsTheOneGammaLine() {
        const QString line = u"mat_monitorgamma \"1.500000\"\n"_s;
        m_window->m_editGamma->setText(u"1.5"_s);
        QCOMPARE(Press(m_window->m_btnSetGamma), QStringList());
        QCOMPARE(Committed(*m_window), line);
        m_window->m_editGamma->setText(u"3.5"_s);
        QCOMPARE(Press(m_window->m_btnSetGamma, {QMessageBox::Ok}),
                 QStringList{u"Please enter a number between 1 and 3."_s});
        QCOMPARE(Committed(*m_window), line);
    }

    void aConfirmedPreviewSetsTheValueAndReopensThere() {
        const MemoryDisplay display;
        Preview([&](CGammaDlg& dialog) {
            QCOMPARE(dialog.m_slider->value(), 220);
            QCOMPARE(display.Screen().ramps, display.RampsFor(220));
            QVERIFY(QFile::exists(GammaRecoveryPath()));
            dialog.m_slider->setSliderPosition(157);
            QCOMPARE(display.Screen().ramps, display.RampsFor(157));
            Click(dialog.findChild<QPushButton*>(u"1"_s));
        });
        QCOMPARE(display.Screen().ramps, display.OwnRamps());
        QVERIFY(!QFile::exists(GammaRecoveryPath()));
        QCOMPARE(m_window->m_editGamma->text(), u"1.57"_s);
        QCOMPARE(Committed(*m_window), u"mat_monitorgamma \"1.570000\"\n"_s);
        // The slider was put back on the own ramp's estimate before the profile took its position.
        QCOMPARE(GetProfileInt(u"GammaSlider"_s, u"Settings"_s, 0),
                 EstimatePosition(display.OwnRamps().front()));

        Preview([](CGammaDlg& dialog) {
            QCOMPARE(dialog.m_slider->value(), 157);
            dialog.reject();
        });
    }

    void everyWayOutButOkChangesNothing_data() {
        QTest::addColumn<int>("way");
        QTest::newRow("Cancel") << 0;
        QTest::newRow("Escape") << 1;
        QTest::newRow("close box") << 2;
    }
    void everyWayOutButOkChangesNothing() {
        QFETCH(int, way);
        const MemoryDisplay display;
        m_window->m_editGamma->setText(u"1.5"_s);
        Click(m_window->m_btnSetGamma);
        Preview([&](CGammaDlg& dialog) {
            // The preview starts from the last confirmed value, not from the field.
            QCOMPARE(dialog.m_slider->value(), 220);
            QTest::keyClick(dialog.m_slider, Qt::Key_Right);
            QCOMPARE(display.Screen().ramps, display.RampsFor(221));
            const std::array<std::function<void()>, 3> ways{
                [&] { Click(dialog.findChild<QPushButton*>(u"2"_s)); },
                [&] { QTest::keyClick(&dialog, Qt::Key_Escape); },
                [&] {
                    dialog.close();
                }};
            ways.at(static_cast<std::size_t>(way))();
        });
        QCOMPARE(display.Screen().ramps, display.OwnRamps());
        QCOMPARE(m_window->m_editGamma->text(), u"1.5"_s);
        QCOMPARE(g_lastGamma, 2.2);
        QCOMPARE(Committed(*m_window), u"mat_monitorgamma \"1.500000\"\n"_s);
    }

    // Whatever moves the slider, the screen shows the position it shows, and OK hands that back.
    void everyMovePreviewsThePositionShown_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("position");
        QTest::newRow("End") << int(Qt::Key_End) << 300;
        QTest::newRow("page") << int(Qt::Key_PageDown) << 180;
        QTest::newRow("arrow") << int(Qt::Key_Left) << 219;
        QTest::newRow("click in the channel") << 0 << 260;
    }
    void everyMovePreviewsThePositionShown() {
        QFETCH(int, key);
        QFETCH(int, position);
        const MemoryDisplay display;
        Preview([&](CGammaDlg& dialog) {
            CGammaSliderCtrl* slider = dialog.m_slider;
            if (key != 0) {
                QTest::keyClick(slider, Qt::Key(key));
            } else {
                QTest::mouseClick(slider, Qt::LeftButton, {},
                                  QPoint(slider->width() - 4, slider->height() / 2));
            }
            QCOMPARE(slider->value(), position);
            QCOMPARE(display.Screen().ramps, display.RampsFor(position));
            dialog.accept();
        });
        QCOMPARE(m_window->m_fGamma, static_cast<float>(position * 0.01));
    }

    void aScreenThatCannotBeReadKeepsTheOpeningPosition() {
        const MemoryDisplay display(GammaAccess::Unreadable);
        Preview([&](CGammaDlg& dialog) {
            QVERIFY(!dialog.m_slider->isEnabled());
            QCOMPARE(dialog.m_slider->value(), 220);
            QCOMPARE(Note(dialog), ToQString(GammaNoteText(GammaNote::RampUnreadable, French)));
            dialog.accept();
        });
        QCOMPARE(display.Screen().writes, 0);
        QCOMPARE(Committed(*m_window), u"mat_monitorgamma \"2.200000\"\n"_s);
    }

    // Where no program may change the screen, the pictures show the ramp instead, in the chosen language.
    void aScreenThatCannotChangeShowsThePreviewInThePictures() {
        const MemoryDisplay display(GammaAccess::NotChangeable);
        ClickFlag(*m_window, Italian);
        Preview([&](CGammaDlg& dialog) {
            QCOMPARE(Note(dialog), ToQString(GammaNoteText(GammaNote::ScreenCannotChange, Italian)));
            auto* picture = dialog.findChild<PictureControl*>(u"-1"_s);
            const QRgb before = picture->Image().pixel(200, 10);
            QTest::keyClick(dialog.m_slider, Qt::Key_Home);
            QVERIFY(qGray(picture->Image().pixel(200, 10)) < qGray(before));
            dialog.accept();
        });
        QCOMPARE(m_window->m_fGamma, 1.0f);
        QCOMPARE(display.Screen().writes, 0);
    }

private:
    // Opens the preview from the main window and runs the step inside it; the step ends the dialog.
    void Preview(const std::function<void(CGammaDlg&)>& step) {
        ModalScript script;
        script.Then([&step](QWidget& window) { step(*qobject_cast<CGammaDlg*>(&window)); });
        Click(m_window->m_btnPreview);
        QTRY_COMPARE(script.Pending(), 0u);
        QVERIFY(script.Unexpected().isEmpty());
    }
    static QString Note(const CGammaDlg& dialog) {
        auto* note = dialog.findChild<QLabel*>(u"1114"_s);
        return note->isVisibleTo(&dialog) ? note->text() : QString();
    }

    MainWindowFixture m_fixture;
    std::unique_ptr<CBinderDlg> m_window;
};

} // namespace cssbinder::test

QTEST_MAIN(cssbinder::test::GammaPreviewTest)
#include "GammaPreviewTest.moc"
