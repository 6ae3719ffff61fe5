#pragma once

#include "MainWindowFixture.h"
#include "ModalScript.h"

#include "ui/app/Globals.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>

#include <initializer_list>
#include <memory>

namespace cssbinder::test {

// The messages of the bind form in French, the language the window starts in.
inline const QString kSelectKeyFr = QStringLiteral("Pas de touche sélectionnée");
inline const QString kNothingToAddFr = QStringLiteral("Rien à ajouter");
inline const QString kNothingToSayFr = QStringLiteral("Rien à dire");
inline const QString kRedefineQuestion = QStringLiteral("Key already associated. Redefine it ?");

// The main window on a profile that already knows the game folder, so no question comes first.
struct OpenWindow {
    MainWindowFixture fixture;
    std::unique_ptr<CBinderDlg> window;

    OpenWindow() {
        fixture.StoreGameFolder();
        window = fixture.Open();
    }
    CBinderDlg* operator->() const { return window.get(); }
    CBinderDlg& operator*() const { return *window; }
};

// Presses a button and answers the message boxes it opens, in turn. Returns the texts of every box
// shown, unexpected ones included, so that a missing or extra message fails the comparison.
inline QStringList Press(QPushButton* button,
                         std::initializer_list<QMessageBox::StandardButton> answers = {}) {
    ModalScript script;
    for (const QMessageBox::StandardButton answer : answers) {
        script.AnswerMessage(answer);
    }
    Click(button);
    return script.Messages();
}

// Presses a button that opens one message box and answers it; returns the box's text and the
// buttons it offered.
inline QString PressAnswering(QPushButton* button, QMessageBox::StandardButton answer,
                              QMessageBox::StandardButtons& offered) {
    ModalScript script;
    script.Then([answer, &offered](QWidget& window) {
        auto* box = qobject_cast<QMessageBox*>(&window);
        if (box == nullptr || box->button(answer) == nullptr) {
            window.close();
            return;
        }
        offered = box->standardButtons();
        box->button(answer)->click();
    });
    Click(button);
    return script.Messages().join(QLatin1Char('|'));
}

// The preview box's text for the given lines: one line each, the last one ended too.
inline QString PreviewOf(std::initializer_list<const char*> lines) {
    QString text;
    for (const char* line : lines) {
        text += QString::fromUtf8(line) + QLatin1Char('\n');
    }
    return text;
}

inline QString Preview(const CBinderDlg& window) {
    return window.m_editPreview->toPlainText();
}

// The line stored under an entry key, or a null text when the key has none.
inline QString EntryOf(const char* key) {
    const std::string* line = g_configEntries.Find(key);
    return line ? QString::fromStdString(*line) : QString();
}

} // namespace cssbinder::test
