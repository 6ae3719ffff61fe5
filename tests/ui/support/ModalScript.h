#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <deque>
#include <functional>

namespace cssbinder::test {

// Drives, in order, the real modal windows and pop-up menus opened. One that no step expects, or that its
// step left open, is recorded and closed, so that a test fails instead of hanging.
class ModalScript : public QObject {
    Q_OBJECT
public:
    ModalScript();

    // Records what the next file dialog offered, then picks the path in it; an empty path cancels.
    void ChooseFile(const QString& path);
    void Then(std::function<void(QWidget&)> step);

    const QStringList& Offered() const { return m_offered; }
    const QStringList& Unexpected() const { return m_unexpected; }
    std::size_t Pending() const { return m_steps.size(); }

private:
    void Poll();

    QTimer m_timer;
    std::deque<std::function<void(QWidget&)>> m_steps;
    QPointer<QWidget> m_lastHandled;
    QStringList m_offered;
    QStringList m_unexpected;
};

} // namespace cssbinder::test
