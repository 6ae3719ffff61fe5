#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace cssbinder::test {

// A headless Wayland compositor of the test's own, with a private runtime folder; with XWayland it also
// serves an X display, started when the first X client connects.
class WestonSession {
public:
    explicit WestonSession(bool xwayland);
    ~WestonSession();
    WestonSession(const WestonSession&) = delete;
    WestonSession& operator=(const WestonSession&) = delete;

    bool Started() const { return m_socketReady && (!m_xwayland || !m_xDisplay.isEmpty()); }
    // What weston said, for the message when it did not start.
    const QString& Log() const { return m_log; }
    // Points this process's Wayland and X clients at the compositor.
    void Enter() const;

private:
    QTemporaryDir m_runtime;
    QProcess m_weston;
    QString m_log;
    QString m_xDisplay;
    bool m_xwayland;
    bool m_socketReady = false;
};

} // namespace cssbinder::test
