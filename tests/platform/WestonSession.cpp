#include "WestonSession.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QRegularExpression>

namespace cssbinder::test {
namespace {

constexpr char kSocket[] = "wayland-test";

} // namespace

WestonSession::WestonSession(bool xwayland) : m_xwayland(xwayland) {
    // Wayland clients refuse a runtime folder that others may read; QTemporaryDir makes it 0700.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
    m_weston.setProcessEnvironment(environment);
    m_weston.setProcessChannelMode(QProcess::MergedChannels);
    QStringList arguments{QStringLiteral("--backend=headless-backend.so"), QStringLiteral("--use-pixman"),
                          QStringLiteral("--idle-time=0"), QStringLiteral("--socket=%1").arg(QLatin1StringView(kSocket))};
    if (xwayland) {
        arguments.append(QStringLiteral("--xwayland"));
    }
    m_weston.start(QStringLiteral("weston"), arguments);
    const QString socket = m_runtime.filePath(QString::fromLatin1(kSocket));
    static const QRegularExpression kXDisplay(QStringLiteral("listening on display (:\\d+)"));
    const QDeadlineTimer deadline(10000);
    while (!Started() && m_weston.state() != QProcess::NotRunning && !deadline.hasExpired()) {
        m_weston.waitForReadyRead(50);
        m_log += QString::fromLocal8Bit(m_weston.readAll());
        m_socketReady = QFile::exists(socket);
        if (const QRegularExpressionMatch match = kXDisplay.match(m_log); xwayland && match.hasMatch()) {
            m_xDisplay = match.captured(1);
        }
    }
    if (m_weston.error() == QProcess::FailedToStart) {
        m_log += m_weston.errorString();
    }
}

WestonSession::~WestonSession() {
    m_weston.terminate();
    m_weston.waitForFinished(5000);
}

void WestonSession::Enter() const {
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
    qputenv("WAYLAND_DISPLAY", kSocket);
    qputenv("QT_QPA_PLATFORM", m_xwayland ? "xcb" : "wayland");
    if (m_xwayland) {
        qputenv("DISPLAY", m_xDisplay.toLatin1());
    }
}

} // namespace cssbinder::test
