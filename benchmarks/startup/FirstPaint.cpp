#include "FirstPaint.h"

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

namespace cssbinder::bench {
namespace {

class FirstPaintWatcher : public QObject {
public:
    explicit FirstPaintWatcher(QWidget& window) : QObject(&window), m_window(window) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &m_window && event->type() == QEvent::Paint) {
            m_window.removeEventFilter(this);
            // Queued, so that the children paint and the frame reaches the display first.
            QTimer::singleShot(0, &m_window, &QWidget::close);
        }
        return false;
    }

private:
    QWidget& m_window;
};

} // namespace

void CloseAfterFirstPaint(QWidget& window) {
    window.installEventFilter(new FirstPaintWatcher(window));
}

} // namespace cssbinder::bench
