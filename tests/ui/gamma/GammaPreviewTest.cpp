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
            CGammaSliderCtrl* slider = dialog.m_slider;
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
            QCOMPARE(dialog.m_slider->value(), way == 0 ? position : 220);
            dialog.reject();
        });
    }

    // A screen that cannot be read keeps the slider at the opening position; where no program may
    // change the screen, the pictures show the ramp instead. Either is said in the chosen language.
    void aScreenThatCannotBeUsedSaysWhy_data() {
        QTest::addColumn<GammaAccess>("access");
        QTest::addColumn<GammaNote>("note");
        QTest::addColumn<int>("language");
        QTest::addColumn<float>("gamma");
        QTest::newRow("unreadable") << GammaAccess::Unreadable << GammaNote::RampUnreadable << int(French)
                                    << 2.2f;
        QTest::newRow("not changeable")
            << GammaAccess::NotChangeable << GammaNote::ScreenCannotChange << int(Italian) << 1.0f;
    }
    void aScreenThatCannotBeUsedSaysWhy() {
        QFETCH(GammaAccess, access);
        QFETCH(GammaNote, note);
        QFETCH(int, language);
        QFETCH(float, gamma);
        const MemoryDisplay display(access);
        ClickFlag(*m_window, language);
        Preview([&](CGammaDlg& dialog) {
            auto* label = dialog.findChild<QLabel*>(u"1114"_s);
            QVERIFY(label->isVisibleTo(&dialog));
            QCOMPARE(label->text(), ToQString(GammaNoteText(note, language)));
            QCOMPARE(dialog.m_slider->isEnabled(), access == GammaAccess::NotChangeable);
            auto* picture = dialog.findChild<PictureControl*>(u"-1"_s);
            const QRgb before = picture->Image().pixel(200, 10);
            QTest::keyClick(dialog.m_slider, Qt::Key_Home);
            QCOMPARE(qGray(picture->Image().pixel(200, 10)) < qGray(before), dialog.m_slider->isEnabled());
            dialog.accept();
        });
        QCOMPARE(m_window->m_fGamma, gamma);
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

    MainWindowFixture m_fixture;
    std::unique_ptr<CBinderDlg> m_window;
};

} // namespace cssbinder::test

QTEST_MAIN(cssbinder::test::GammaPreviewTest)
#include "GammaPreviewTest.moc"
