#include "MainWindowFixture.h"

#include "core/lang/Language.h"
#include "ui/advanced/AdvancedDialogTemplate.h"
#include "ui/advanced/CAdvancedDlg.h"
#include "ui/app/MainDialogTemplate.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTest>

namespace cssbinder::test {
namespace {

QList<QWidget*> VisibleControls(const QWidget& window) {
    QList<QWidget*> controls;
    for (QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisible() && !child->objectName().isEmpty()) {
            controls.append(child);
        }
    }
    return controls;
}

// Why a control's caption does not fit it, or an empty text.
QString CaptionClipping(const QWidget& control) {
    const QFontMetrics metrics(control.font());
    if (const auto* frame = qobject_cast<const QGroupBox*>(&control)) {
        return metrics.horizontalAdvance(frame->title()) + 8 <= frame->width() ? QString() : frame->title();
    }
    if (const auto* button = qobject_cast<const QPushButton*>(&control)) {
        const QRect area = button->rect().adjusted(3, 2, -3, -2);
        const QRect needed = metrics.boundingRect(area, Qt::AlignCenter | Qt::TextWordWrap, button->text());
        return area.contains(needed) ? QString() : button->text();
    }
    if (qobject_cast<const QCheckBox*>(&control) || qobject_cast<const QRadioButton*>(&control)) {
        const auto& button = static_cast<const QAbstractButton&>(control);
        const QSize needed = button.sizeHint();
        return needed.width() <= button.width() && needed.height() <= button.height()
                   ? QString()
                   : QStringLiteral("%1 needs %2x%3 in %4x%5")
                         .arg(button.text())
                         .arg(needed.width())
                         .arg(needed.height())
                         .arg(button.width())
                         .arg(button.height());
    }
    return {};
}

// Each control of the template is a direct child named by its ID, inside the window, at its place.
void VerifyTemplateInPlace(const QWidget& window, std::span<const ControlTemplate> controls) {
    for (const ControlTemplate& control : controls) {
        const QString name = QString::number(control.id);
        const QList<QWidget*> found = window.findChildren<QWidget*>(name, Qt::FindDirectChildrenOnly);
        QVERIFY2(!found.isEmpty(), qPrintable(name));
        const QWidget* widget = found.constFirst();
        QVERIFY2(window.rect().contains(widget->geometry()), qPrintable(name));
        QCOMPARE(widget->isVisible(), control.kind != ControlKind::HiddenPushButton);
        QCOMPARE(widget->x(), control.x * 6 / 4);
    }
}

// Group boxes surround other controls; every other pair must keep apart.
void VerifyNoOverlap(const QWidget& window) {
    QList<QWidget*> controls;
    for (QWidget* control : VisibleControls(window)) {
        if (qobject_cast<QGroupBox*>(control) == nullptr) {
            controls.append(control);
        }
    }
    for (qsizetype i = 0; i < controls.size(); ++i) {
        for (qsizetype j = i + 1; j < controls.size(); ++j) {
            QVERIFY2(
                !controls[i]->geometry().intersects(controls[j]->geometry()),
                qPrintable(controls[i]->objectName() + QStringLiteral(" / ") + controls[j]->objectName()));
        }
    }
}

void VerifyCaptionsFit(const QWidget& window, int language) {
    for (const QWidget* control : VisibleControls(window)) {
        const QString clipped = CaptionClipping(*control);
        QVERIFY2(clipped.isEmpty(), qPrintable(QStringLiteral("%1, language %2, control %3: \"%4\"")
                                                   .arg(window.windowTitle())
                                                   .arg(language)
                                                   .arg(control->objectName(), clipped)));
    }
}

} // namespace

class MainWindowLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void everyControlOfTheTemplateIsInPlace() {
        MainWindowFixture fixture;
        const auto window = fixture.OpenWithGameFolder();
        VerifyTemplateInPlace(*window, MainDialogControls());
        QCOMPARE(ControlOf<QLabel>(*window, 1061)->size(), QSize(600, 112));
        QCOMPARE(ControlOf<QWidget>(*window, 1055)->size(), QSize(137, 126));
        QCOMPARE(ControlOf<QLabel>(*window, 1109)->size(), QSize(30, 20));

        CAdvancedDlg advanced(window.get());
        advanced.show();
        VerifyTemplateInPlace(advanced, AdvancedDialogControls());
        QCOMPARE(advanced.size(), QSize(621, 671));
    }

    void controlsDoNotOverlap() {
        MainWindowFixture fixture;
        const auto window = fixture.OpenWithGameFolder();
        VerifyNoOverlap(*window);
        CAdvancedDlg advanced(window.get());
        advanced.show();
        VerifyNoOverlap(advanced);
    }

    void captionsFitInEveryLanguage() {
        MainWindowFixture fixture;
        const auto window = fixture.OpenWithGameFolder();
        // Both states of the two buttons whose captions follow the crosshair.
        Click(window->m_btnDynamic);
        Click(window->m_btnSetAlpha);
        for (int round = 0; round < 2; ++round) {
            for (int language = English; language <= Spanish; ++language) {
                ClickFlag(*window, language);
                VerifyCaptionsFit(*window, language);
            }
            Click(window->m_btnDynamic);
            Click(window->m_btnSetAlpha);
        }
    }

    void advancedCaptionsFitInEveryLanguage() {
        MainWindowFixture fixture;
        const auto window = fixture.OpenWithGameFolder();
        for (int language = English; language <= Spanish; ++language) {
            ClickFlag(*window, language);
            CAdvancedDlg advanced(window.get());
            advanced.show();
            VerifyCaptionsFit(advanced, language);
        }
    }
};

} // namespace cssbinder::test

QTEST_MAIN(cssbinder::test::MainWindowLayoutTest)
#include "MainWindowLayoutTest.moc"
