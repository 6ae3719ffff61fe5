#include "MainWindowFixture.h"
#include "ModalScript.h"

#include "core/lang/Language.h"
#include "ui/app/Globals.h"
#include "ui/app/MainDialogTemplate.h"

#include <QCheckBox>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <algorithm>

namespace cssbinder::test {
namespace {

using namespace Qt::StringLiterals;

const QString kTitle = u"CS:Source Binds/Scripts/Optimization by Zelvar_Brask"_s;
const QString kRangeMessage = u"Please enter a number between 1 and 3."_s;

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

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

// Stands in for the desktop's web browser.
class LinkCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void Open(const QUrl& url) { opened.append(url); }
};

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    // The question comes before the window shows; the chosen folder is kept, so the next start asks
    // nothing. A cancelled browser stores nothing, so the next start asks again.
    void firstStartAsksForTheGameFolder() {
        MainWindowFixture fixture;
        for (const bool cancel : {true, false}) {
            ModalScript script;
            bool windowShownDuringQuestion = true;
            script.Then([&](QWidget& box) {
                windowShownDuringQuestion =
                    std::ranges::any_of(QApplication::topLevelWidgets(), [](QWidget* w) {
                        return qobject_cast<CBinderDlg*>(w) != nullptr && w->isVisible();
                    });
                qobject_cast<QMessageBox*>(&box)->button(QMessageBox::Ok)->click();
            });
            if (cancel) {
                script.CancelFileDialog();
            } else {
                script.ChooseFile(fixture.GameFolder());
            }
            const auto window = fixture.Open();
            QCOMPARE(script.Messages(),
                     QStringList{u"Select the location of your \"counter-strike source\" folder"_s});
            QVERIFY(!windowShownDuringQuestion && window->isVisible());
            QCOMPARE(script.Pending(), 0u);
            QCOMPARE(fixture.ProfileValue(), cancel ? QString() : fixture.GameFolder());
            QCOMPARE(g_gamePath, fixture.ProfileValue());
        }
        ModalScript nextStart;
        const auto again = fixture.Open();
        QTest::qWait(30);
        QVERIFY(nextStart.Unexpected().isEmpty());
        QCOMPARE(g_gamePath, fixture.GameFolder());
    }

    void opensCentredInFrenchWithTheFormsReset() {
        MainWindowFixture fixture;
        const auto window = fixture.OpenWithGameFolder();
        QCOMPARE(window->windowTitle(), kTitle);
        QCOMPARE(window->size(), QSize(621, 671));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        // Give or take the frame the window system adds.
        QVERIFY((window->geometry().center() - window->screen()->availableGeometry().center())
                    .manhattanLength() <= 8);
        QCOMPARE(window->m_nLanguage, int{French});
        QCOMPARE(window->m_cbLetters->currentText(), u"Lettres"_s);
        for (const int checked : {1019, 1030, 1058}) {
            QVERIFY(Button(*window, checked)->isChecked());
        }
        QCOMPARE(window->m_editGamma->text(), u"2.2"_s);
        QVERIFY(window->m_btnTransparencyPlus->isEnabled() && !window->m_btnTransparencyMinus->isEnabled());
        QCOMPARE(Committed(*window), QString());
        for (const QPushButton* button : window->findChildren<QPushButton*>()) {
            QVERIFY2(!button->isDefault() && !button->autoDefault(), qPrintable(button->objectName()));
        }
    }

    // Every control of the template at its place inside the window, hidden buttons hidden, pictures at
    // their bitmap's size, and no two controls on top of each other (frames aside).
    void controlsSitWhereTheTemplatePutsThem() {
        MainWindowFixture fixture;
        const auto window = fixture.OpenWithGameFolder();
        QList<const QWidget*> shown;
        for (const ControlTemplate& control : MainDialogControls()) {
            const QWidget* widget = ControlOf<QWidget>(*window, control.id);
            const QString name = QString::number(control.id);
            QVERIFY2(widget != nullptr && window->rect().contains(widget->geometry()), qPrintable(name));
            QCOMPARE(widget->isVisible(), control.kind != ControlKind::HiddenPushButton);
            QCOMPARE(widget->x(), control.x * 6 / 4);
            if (widget->isVisible() && control.kind != ControlKind::GroupBox) {
                for (const QWidget* other : shown) {
                    QVERIFY2(!widget->geometry().intersects(other->geometry()),
                             qPrintable(name + u" / "_s + other->objectName()));
                }
                shown.append(widget);
            }
        }
        QCOMPARE(ControlOf<QWidget>(*window, 1061)->size(), QSize(600, 112));
        QCOMPARE(ControlOf<QWidget>(*window, 1055)->size(), QSize(137, 126));
        QCOMPARE(ControlOf<QWidget>(*window, 1109)->size(), QSize(30, 20));
    }

    // In each language and in both states of the two buttons whose captions follow the crosshair.
    void captionsFitInEveryLanguage() {
        MainWindowFixture fixture;
        const auto window = fixture.OpenWithGameFolder();
        for (int round = 0; round < 2; ++round) {
            for (int language = English; language <= Spanish; ++language) {
                ClickFlag(*window, language);
                for (const QWidget* control : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                    const QString clipped = control->isVisible() ? CaptionClipping(*control) : QString();
                    QVERIFY2(clipped.isEmpty(), qPrintable(u"language %1: %2"_s.arg(language).arg(clipped)));
                }
            }
            Click(window->m_btnDynamic);
            Click(window->m_btnSetAlpha);
        }
    }

    void bannerOpensTheMakersLink() {
        MainWindowFixture fixture;
        const auto window = fixture.OpenWithGameFolder();
        QWidget* banner = ControlOf<QWidget>(*window, 1061);
        const QString link = u"https://github.com/cssbinder/cssbinder"_s;
        QCOMPARE(banner->toolTip(), link);
        QCOMPARE(banner->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(window->m_editPreview->viewport()->cursor().shape(), Qt::ArrowCursor);
        LinkCatcher browser;
        QDesktopServices::setUrlHandler(u"https"_s, &browser, "Open");
        Click(banner);
        QDesktopServices::unsetUrlHandler(u"https"_s);
        QCOMPARE(browser.opened, QList<QUrl>{QUrl(link)});
    }

    void windowMenuEndsWithTheAboutEntry() {
        MainWindowFixture fixture;
        const auto window = fixture.OpenWithGameFolder();
        ModalScript script;
        QStringList entries;
        script.Then([&](QWidget& popup) {
            for (const QAction* action : popup.actions()) {
                entries.append(action->isSeparator() ? u"-"_s : action->text());
            }
            popup.actions().constLast()->trigger();
            popup.close();
        });
        script.Then([&](QWidget& about) {
            entries.append(about.windowTitle());
            about.close();
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 300),
                                window->mapToGlobal(QPoint(5, 300)));
        QApplication::sendEvent(window.get(), &event);
        QTRY_COMPARE(script.Pending(), 0u);
        QCOMPARE(entries, (QStringList{u"-"_s, u"&A propos de Tarvik..."_s, u"A propos de Tarvik"_s}));
        QVERIFY(script.Unexpected().isEmpty());
    }

    // Exit takes gamma values from 1 to 3 and refuses the rest, keeping the window and the old value.
    void exitChecksTheGammaRange_data() {
        QTest::addColumn<QString>("gamma");
        QTest::addColumn<bool>("closes");
        QTest::newRow("too low") << u"0.99"_s << false;
        QTest::newRow("lowest") << u"1"_s << true;
        QTest::newRow("highest, blanks around") << u" 3 "_s << true;
        QTest::newRow("too high") << u"3.01"_s << false;
    }
    void exitChecksTheGammaRange() {
        QFETCH(QString, gamma);
        QFETCH(bool, closes);
        MainWindowFixture fixture;
        const auto window = fixture.OpenWithGameFolder();
        window->m_editGamma->setText(gamma);
        const QStringList shown =
            closes ? Press(window->m_btnExit) : Press(window->m_btnExit, {QMessageBox::Ok});
        QCOMPARE(shown, closes ? QStringList() : QStringList{kRangeMessage});
        QCOMPARE(window->isVisible(), !closes);
        QCOMPARE(window->m_fGamma, closes ? gamma.toFloat() : 2.2f);
        QCOMPARE(window->focusWidget() == window->m_editGamma, !closes);
    }

    // The box's text, typed or rendered, replaces the file in the game's config folder, in code page
    // 1252 with CR LF line ends; a cancelled dialog writes nothing.
    void saveWritesTheBoxIntoTheChosenFile() {
        MainWindowFixture fixture;
        const auto window = fixture.OpenWithGameFolder();
        const QString target = QDir(fixture.ConfigFolder()).filePath(u"autoexec.cfg"_s);
        WriteFile(target, "kept");
        g_configEntries.Store("F1", "bind \"f1\" \"say héllo\"");
        window->RefreshPreview();
        for (const bool cancel : {true, false}) {
            ModalScript script;
            if (cancel) {
                script.CancelFileDialog();
            } else {
                script.ChooseFile(target);
            }
            Click(window->m_btnSave);
            QTRY_COMPARE(script.Pending(), 0u);
            QCOMPARE(script.DialogFolders(), QStringList{fixture.ConfigFolder()});
            QCOMPARE(ReadFile(target),
                     cancel ? QByteArray("kept") : QByteArray("bind \"f1\" \"say h\xE9llo\"\r\n"));
            QVERIFY(script.Messages().isEmpty() && script.Unexpected().isEmpty());
        }
        window->m_editPreview->moveCursor(QTextCursor::End);
        window->m_editPreview->insertPlainText(u"ù"_s);
        ModalScript script;
        script.ChooseFile(target);
        Click(window->m_btnSave);
        QTRY_COMPARE(script.Pending(), 0u);
        QCOMPARE(ReadFile(target), QByteArray("bind \"f1\" \"say h\xE9llo\"\r\n\xF9"));
        QCOMPARE(g_configEntries.GetCount(), 1u);
    }

    // Here the folder disappears between the choice of the file and the write.
    void failedWriteIsReportedWithThePathAndTheReason() {
        MainWindowFixture fixture;
        const auto window = fixture.OpenWithGameFolder();
        const QString target = QDir(fixture.ConfigFolder()).filePath(u"autoexec.cfg"_s);
        g_configEntries.Store("rate", "rate \"6400\"");
        window->RefreshPreview();
        ModalScript script;
        script.ChooseFile(target);
        script.AnswerMessage();
        QTimer::singleShot(0, this, [&fixture] {
            connect(qobject_cast<QDialog*>(QApplication::activeModalWidget()), &QDialog::accepted,
                    [&fixture] { QDir(fixture.ConfigFolder()).removeRecursively(); });
        });
        Click(window->m_btnSave);
        QTRY_COMPARE(script.Pending(), 0u);
        const QString prefix = u"Impossible d'écrire %1 : "_s.arg(QDir::toNativeSeparators(target));
        QCOMPARE(script.Messages().size(), 1);
        QVERIFY2(script.Messages().constFirst().startsWith(prefix) &&
                     script.Messages().constFirst() != prefix,
                 qPrintable(script.Messages().constFirst()));
    }
};

} // namespace cssbinder::test

QTEST_MAIN(cssbinder::test::MainWindowTest)
#include "MainWindowTest.moc"
