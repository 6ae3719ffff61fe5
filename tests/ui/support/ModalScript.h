#pragma once

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QPointer>
#include <QProgressDialog>
#include <QStringList>
#include <QTimer>

#include <deque>
#include <functional>

namespace cssbinder::test {

// Drives, in order, the real modal windows and pop-up menus opened. One that no step expects, or that its
// step left open, is recorded and closed, so that a test fails instead of hanging.
class ModalScript : public QObject {
public:
    ModalScript() {
        m_timer.setInterval(5);
        connect(&m_timer, &QTimer::timeout, this, &ModalScript::Poll);
        m_timer.start();
    }

    // Records what the next file dialog offered, then picks the path in it; an empty path cancels.
    void ChooseFile(const QString& path) {
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
    void Then(std::function<void(QWidget&)> step) { m_steps.push_back(std::move(step)); }

    const QStringList& Offered() const { return m_offered; }
    const QStringList& Unexpected() const { return m_unexpected; }
    std::size_t Pending() const { return m_steps.size(); }

private:
    void Poll() {
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
        // The step runs from an event of its own, as this timer would not fire in a nested loop it opens.
        // A step that failed a check returns early; its window is closed all the same, or the test hangs.
        QTimer::singleShot(
            0, this, [this, step = std::move(m_steps.front()), target = QPointer<QWidget>(window)] {
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

    QTimer m_timer;
    std::deque<std::function<void(QWidget&)>> m_steps;
    QPointer<QWidget> m_lastHandled;
    QStringList m_offered;
    QStringList m_unexpected;
};

} // namespace cssbinder::test
