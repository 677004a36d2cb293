#include "windowwarmup.h"

#include <QEvent>
#include <QScreen>
#include <QTimer>

#include <utility>

namespace vekkiro {

WindowWarmUp::WindowWarmUp(QWidget* window, QWidget* painted, QWidget* after,
                           std::function<QSize()> size, std::function<void()> prepare)
    : QObject(window)
    , m_window(window)
    , m_painted(painted)
    , m_after(after)
    , m_size(std::move(size))
    , m_prepare(std::move(prepare)) {
    after->installEventFilter(this);
}

void WindowWarmUp::start() {
    if (m_prepare)
        m_prepare();
    (void)m_window->winId();
    if (m_window->isVisible() || !m_window->screen() || !m_painted)
        return;
    m_window->resize(m_size());
    m_window->move(m_window->screen()->virtualGeometry().bottomRight() + QPoint(1, 1));
    m_underWay = true;
    m_painted->installEventFilter(this);
    m_window->show();
}

void WindowWarmUp::finish() {
    if (!m_underWay)
        return;
    m_underWay = false;
    if (m_painted)
        m_painted->removeEventFilter(this);
    m_window->hide();
}

bool WindowWarmUp::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_after && event->type() == QEvent::UpdateRequest && !m_requested) {
        // The other window is painting its first frame: once that is out, it is idle time.
        m_requested = true;
        m_after->removeEventFilter(this);
        QTimer::singleShot(0, this, &WindowWarmUp::start);
    } else if (watched == m_painted && event->type() == QEvent::Paint && m_underWay) {
        // Painted once: once the frame is out, the window goes until it has something to show.
        QTimer::singleShot(0, this, &WindowWarmUp::finish);
    }
    return false;
}

} // namespace vekkiro
