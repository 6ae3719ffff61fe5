#include "ModalScript.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QProgressDialog>

namespace cssbinder::test {

ModalScript::ModalScript() {
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, &ModalScript::Poll);
    m_timer.start();
}

void ModalScript::ChooseFile(const QString& path) {
    Then([this, path](QWidget& window) {
        auto* dialog = qobject_cast<QFileDialog*>(&window);
        if (dialog != nullptr) {
            m_offered.append(dialog->selectedFiles().value(0));
        }
        // Typed into the name field as a user would, so the dialog's own checks and suffix apply.
        auto* nameField = dialog != nullptr && !path.isEmpty()
                              ? dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
                              : nullptr;
        if (nameField == nullptr) {
            window.close();
            return;
        }
        nameField->setText(path);
        QMetaObject::invokeMethod(dialog, "accept");
    });
}

void ModalScript::Then(std::function<void(QWidget&)> step) {
    m_steps.push_back(std::move(step));
}

void ModalScript::Poll() {
    QWidget* window = QApplication::activePopupWidget();
    if (window == nullptr) {
        window = QApplication::activeModalWidget();
    }
    // A progress window closes by itself: it is no step of the script.
    if (window == nullptr || window == m_lastHandled || !window->isVisible() ||
        qobject_cast<QProgressDialog*>(window) != nullptr) {
        return;
    }
    m_lastHandled = window;
    if (m_steps.empty()) {
        m_unexpected.append(QString::fromLatin1(window->metaObject()->className()));
        window->close();
        return;
    }
    // The step runs from an event of its own, as this timer would not fire in a nested loop the step opens.
    // A step that failed a check returns early; its window is closed all the same, or the test would hang.
    QTimer::singleShot(0, this,
                       [this, step = std::move(m_steps.front()), target = QPointer<QWidget>(window)] {
                           if (target) {
                               step(*target);
                           }
                           if (target && target->isVisible()) {
                               m_unexpected.append(QString::fromLatin1(target->metaObject()->className()) +
                                                   QStringLiteral(" left open"));
                               target->close();
                           }
                       });
    m_steps.pop_front();
}

} // namespace cssbinder::test
