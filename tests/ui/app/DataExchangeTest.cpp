#include "MainWindowFixture.h"
#include "ModalScript.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <clocale>

namespace cssbinder::test {
namespace {

const QString kRangeMessage = QStringLiteral("Please enter a number between 1 and 3.");

} // namespace

class DataExchangeTest : public QObject {
    Q_OBJECT
private slots:
    void init() { m_fixture.StoreGameFolder(); }

    // Enter in a single-line field must not close the tool and lose the unsaved document.
    void enterInASingleLineFieldKeepsTheWindowOpen() {
        const auto window = m_fixture.Open();
        for (QLineEdit* field : {window->m_editSay, window->m_editGamma}) {
            field->setFocus();
            QTest::keyClick(field, Qt::Key_Return);
            QTest::keyClick(field, Qt::Key_Enter);
            QVERIFY2(window->isVisible(), qPrintable(field->objectName()));
        }
        QTest::keyClicks(window->m_editSay, QStringLiteral("gg"));
        QTest::keyClick(window->m_editSay, Qt::Key_Return);
        QVERIFY(window->isVisible());
        QCOMPARE(window->m_editSay->text(), QStringLiteral("gg"));
    }

    void exitReadsTheControlsAndStaysOpenOnABadGammaValue_data() {
        QTest::addColumn<QString>("gamma");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<float>("value");
        // A number out of range is taken before it is refused; a text that is no number is not.
        QTest::newRow("too high") << QStringLiteral("5") << false << 5.0f;
        QTest::newRow("too low") << QStringLiteral("0.99") << false << 0.99f;
        QTest::newRow("not a number") << QStringLiteral("abc") << false << 2.2f;
        QTest::newRow("empty") << QString() << false << 2.2f;
        QTest::newRow("lowest") << QStringLiteral("1") << true << 1.0f;
        QTest::newRow("highest") << QStringLiteral("3") << true << 3.0f;
        QTest::newRow("blanks around") << QStringLiteral(" 2.5 ") << true << 2.5f;
    }
    void exitReadsTheControlsAndStaysOpenOnABadGammaValue() {
        QFETCH(QString, gamma);
        QFETCH(bool, closes);
        QFETCH(float, value);
        const auto window = m_fixture.Open();
        window->m_editGamma->setText(gamma);
        ModalScript script;
        if (!closes) {
            script.AnswerMessage();
        }
        Click(window->m_btnExit);
        QTRY_COMPARE(script.Pending(), 0u);

        QCOMPARE(window->isVisible(), !closes);
        QCOMPARE(script.Messages(), closes ? QStringList() : QStringList{kRangeMessage});
        QCOMPARE(window->m_fGamma, value);
        if (closes) {
            QCOMPARE(window->result(), int(QDialog::Accepted));
        } else {
            QCOMPARE(window->focusWidget(), window->m_editGamma);
        }
    }

    // The window tests run under a French locale; the gamma field must still read and show a dot,
    // and a comma typed as the decimal separator is the number a French player means.
    void theGammaFieldReadsTheSameUnderACommaLocale() {
        QCOMPARE(*std::localeconv()->decimal_point, ',');
        const auto window = m_fixture.Open();
        QCOMPARE(window->m_editGamma->text(), QStringLiteral("2.2"));
        window->m_editGamma->setText(QStringLiteral("1,5"));
        ModalScript script;
        Click(window->m_btnExit);
        QCOMPARE(window->result(), int(QDialog::Accepted));
        QCOMPARE(window->m_fGamma, 1.5f);
        QVERIFY(script.Messages().isEmpty());
    }

    void escapeAndTheCloseBoxCloseWithoutReadingTheControls() {
        for (const bool useEscape : {true, false}) {
            const auto window = m_fixture.Open();
            window->m_editGamma->setText(QStringLiteral("5"));
            ModalScript script;
            if (useEscape) {
                QTest::keyClick(window.get(), Qt::Key_Escape);
            } else {
                window->close();
            }
            QVERIFY(!window->isVisible());
            QCOMPARE(window->result(), int(QDialog::Rejected));
            QTest::qWait(20);
            QVERIFY(script.Messages().isEmpty());
        }
    }

private:
    MainWindowFixture m_fixture;
};

} // namespace cssbinder::test

QTEST_MAIN(cssbinder::test::DataExchangeTest)
#include "DataExchangeTest.moc"
