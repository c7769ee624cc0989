#include "shell/DesignedPlacement.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>

DesignedPlacement::DesignedPlacement(QWidget *window, std::function<void()> keep, std::function<void()> release)
    : QObject(window), m_window(window), m_keep(std::move(keep)), m_release(std::move(release))
{
    window->installEventFilter(this);
}

void DesignedPlacement::open(const QSize &designed)
{
    // Never larger than the screen's room (a large font or a scale of
    // 200 % can make the designed size taller than the screen): the pages
    // scroll instead.
    const QScreen *screen = m_window->screen();
    m_designed = screen ? designed.boundedTo(screen->availableGeometry().size()) : designed;
    m_keepAt = m_designed;
    m_window->resize(m_designed);
}

bool DesignedPlacement::eventFilter(QObject *watched, QEvent *event)
{
    // The window's layout has followed a resize by the time its filters see it.
    if (watched == m_window && m_designed.isValid()) {
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::Move:
        case QEvent::Resize:
            settle();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void DesignedPlacement::settle()
{
    if (!m_window->isVisible())
        return;
    if (!m_frameFitted) {
        const QSize frame = m_window->frameGeometry().size() - m_window->size();
        if (frame.width() > 0 || frame.height() > 0) {
            m_frameFitted = true;
            const QSize inner = m_designed - frame;
            if (inner != m_window->size() && !(m_window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
                m_release();
                m_keepAt = inner;
                m_window->resize(inner);
            }
        }
    }
    if (m_keepAt.isValid() && m_window->size() == m_keepAt) {
        m_keepAt = QSize();
        m_keep();
    }
}
