#include "MainWindowFixture.h"

#include "core/advanced/AdvancedDialogLabels.h"
#include "core/lang/MainWindowLabels.h"
#include "ui/advanced/CAdvancedDlg.h"
#include "ui/app/QtText.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace cssbinder::test {
namespace {

using namespace Qt::StringLiterals;

// Why a control's caption does not fit it, or an empty text.
QString CaptionClipping(const QWidget& control) {
    const QFontMetrics metrics(control.font());
    if (const auto* frame = qobject_cast<const QGroupBox*>(&control)) {
        return metrics.horizontalAdvance(frame->title()) + 8 <= frame->width() ? QString() : frame->title();
    }
    if (const auto* button = qobject_cast<const QPushButton*>(&control)) {
        const QRect area = button->rect().adjusted(3, 2, -3, -2);
        return area.contains(metrics.boundingRect(area, Qt::AlignCenter | Qt::TextWordWrap, button->text()))
                   ? QString()
                   : button->text();
    }
    if (qobject_cast<const QCheckBox*>(&control) || qobject_cast<const QRadioButton*>(&control)) {
        const auto& box = static_cast<const QAbstractButton&>(control);
        return box.sizeHint().boundedTo(box.size()) == box.sizeHint() ? QString() : box.text();
    }
    return {};
}

void VerifyCaptionsFit(const QWidget& window, int language) {
    for (const QWidget* control : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QString clipped = control->isVisible() ? CaptionClipping(*control) : QString();
        QVERIFY2(clipped.isEmpty(),
                 qPrintable(u"%1, language %2: %3"_s.arg(window.windowTitle()).arg(language).arg(clipped)));
    }
}

} // namespace

// The texts themselves are proven in the core tests; this proves that a flag brings them all to both
// windows, after any other language, and that every caption fits, in both states of the two buttons
// whose captions follow the crosshair (the messages need the empty document of the first round).
class LanguageTest : public QObject {
    Q_OBJECT
private slots:
    void flagsSwitchEveryCaptionAndMessage() {
        MainWindowFixture fixture;
        const auto window = fixture.OpenWithGameFolder();
        for (const bool crosshairOn : {false, true}) {
            for (const int language : {German, English, Italian, French, Spanish}) {
                ClickFlag(*window, language);
                for (const ControlCaption& caption : MainWindowCaptions(language, crosshairOn, crosshairOn)) {
                    QCOMPARE(CaptionOf(*window, caption.controlId), ToQString(caption.text));
                }
                VerifyCaptionsFit(*window, language);
                CAdvancedDlg advanced(window.get());
                advanced.show();
                for (const ControlCaption& caption : AdvancedDialogCaptions(language)) {
                    QCOMPARE(CaptionOf(advanced, caption.controlId), ToQString(caption.text));
                }
                for (const ControlCaption& tip : AdvancedDialogToolTips(language)) {
                    QCOMPARE(Button(advanced, tip.controlId)->toolTip(), ToQString(tip.text));
                }
                VerifyCaptionsFit(advanced, language);
                if (crosshairOn) {
                    continue;
                }
                QStringList expected;
                QStringList shown;
                for (const auto& [button, message] : {std::pair(window->m_btnAddSay, Message::NothingToSay),
                                                      std::pair(window->m_btnAddQuick, Message::NothingToAdd),
                                                      std::pair(window->m_btnAddBuy, Message::SelectKey),
                                                      std::pair(window->m_btnSave, Message::NothingToSave)}) {
                    expected.append(ToQString(MessageText(message, language)));
                    shown += Press(button, {QMessageBox::Ok});
                }
                QCOMPARE(shown, expected);
            }
            Click(window->m_btnDynamic);
            Click(window->m_btnSetAlpha);
        }
    }
};

} // namespace cssbinder::test

QTEST_MAIN(cssbinder::test::LanguageTest)
#include "LanguageTest.moc"
