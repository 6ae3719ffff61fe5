#include "MainWindowFixture.h"

#include "core/advanced/AdvancedDialogLabels.h"
#include "core/lang/MainWindowLabels.h"
#include "ui/advanced/CAdvancedDlg.h"
#include "ui/app/QtText.h"

#include <QGroupBox>
#include <QPushButton>

#include <tuple>
#include <utility>

namespace cssbinder::test {
namespace {

using namespace Qt::StringLiterals;

// A frame's title fits beside its top edge, a push button's caption wrapped inside it, others at size.
bool CaptionFits(const QWidget& control) {
    const QFontMetrics metrics(control.font());
    if (const auto* frame = qobject_cast<const QGroupBox*>(&control)) {
        return metrics.horizontalAdvance(frame->title()) + 8 <= frame->width();
    }
    if (const auto* button = qobject_cast<const QPushButton*>(&control)) {
        const QRect area = button->rect().adjusted(3, 2, -3, -2);
        return area.contains(metrics.boundingRect(area, Qt::AlignCenter | Qt::TextWordWrap, button->text()));
    }
    return !qobject_cast<const QAbstractButton*>(&control) ||
           control.sizeHint().boundedTo(control.size()) == control.sizeHint();
}

// Every caption of the table on its control, and every caption of the window fitting its control.
void VerifyCaptions(const QWidget& window, const std::vector<ControlCaption>& captions, int language) {
    for (const ControlCaption& caption : captions) {
        const QWidget* control = ControlOf<QWidget>(window, caption.controlId);
        const auto* frame = qobject_cast<const QGroupBox*>(control);
        QCOMPARE(frame ? frame->title() : static_cast<const QAbstractButton*>(control)->text(),
                 ToQString(caption.text));
    }
    for (const QWidget* control : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        QVERIFY2(!control->isVisible() || CaptionFits(*control),
                 qPrintable(u"%1 %2"_s.arg(control->objectName()).arg(language)));
    }
}

} // namespace

// A flag brings every text to both windows in both crosshair states; English and French refill lists.
class LanguageTest : public QObject {
    Q_OBJECT
private slots:
    void flagsSwitchEveryCaptionAndMessage() {
        MainWindowFixture fixture;
        const auto window = fixture.OpenWithGameFolder();
        const std::pair<QPushButton*, Message> messages[] = {{window->m_btnAddSay, Message::NothingToSay},
                                                             {window->m_btnAddQuick, Message::NothingToAdd},
                                                             {window->m_btnAddBuy, Message::SelectKey},
                                                             {window->m_btnSave, Message::NothingToSave}};
        int lists = French;
        for (const bool crosshairOn : {false, true}) {
            for (const int language : {German, English, Italian, French, Spanish}) {
                Pick(window->m_cbPrimary1, 2);
                window->m_editPreview->setPlainText(u"typed"_s);
                ClickFlag(*window, language);
                const bool refills = language == English || language == French;
                lists = refills ? language : lists;
                QCOMPARE(
                    std::tuple(window->m_cbPrimary1->currentIndex(), window->m_cbLetters->itemText(0),
                               window->m_editPreview->toPlainText()),
                    std::tuple(refills ? 0 : 2, lists == French ? u"Lettres"_s : u"Letters"_s, u"typed"_s));
                VerifyCaptions(*window, MainWindowCaptions(language, crosshairOn, crosshairOn), language);
                CAdvancedDlg advanced(window.get());
                advanced.show();
                VerifyCaptions(advanced, AdvancedDialogCaptions(language), language);
                for (const ControlCaption& tip : AdvancedDialogToolTips(language)) {
                    QCOMPARE(Button(advanced, tip.controlId)->toolTip(), ToQString(tip.text));
                }
                if (crosshairOn) {
                    continue;
                }
                for (const auto& [button, message] : messages) {
                    QCOMPARE(Press(button, {QMessageBox::Ok}),
                             QStringList{ToQString(MessageText(message, language))});
                }
            }
            // Set Alpha's caption follows the language of the lists; a mode change applies the shown one.
            Click(window->m_btnSetAlpha);
            QCOMPARE(window->m_btnSetAlpha->text(),
                     crosshairOn ? u"Appliquer transparence"_s : u"Pas de transparence"_s);
            Click(crosshairOn ? Button(*window, 1073) : window->m_btnDynamic);
            VerifyCaptions(*window, MainWindowCaptions(Spanish, !crosshairOn, !crosshairOn), Spanish);
        }
    }
};

} // namespace cssbinder::test

QTEST_MAIN(cssbinder::test::LanguageTest)
#include "LanguageTest.moc"
