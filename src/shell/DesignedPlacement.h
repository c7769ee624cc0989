#pragma once

#include <QObject>
#include <QSize>

#include <functional>

class QWidget;

// Opens a window at its designed size and has its layout measured there.
// The designed size is that of the outer frame, as the placement written
// at close counts it: the window opens with that inner size, and once the
// window system reports the frame (after the first show; never where
// windows have none) the window is made smaller by the frame. `keep`
// measures the layout once the window has the size it opens with;
// `release` undoes the measure before the window is made smaller.
class DesignedPlacement : public QObject
{
    Q_OBJECT
public:
    DesignedPlacement(QWidget *window, std::function<void()> keep, std::function<void()> release);

    // Sizes the (not yet shown) window to the designed size in pixels, or
    // to the screen's available room where that is smaller.
    void open(const QSize &designed);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void settle();

    QWidget *m_window;
    std::function<void()> m_keep;
    std::function<void()> m_release;
    QSize m_designed;
    bool m_frameFitted = false;
    // The inner size at which the layout is measured next; invalid once it is.
    QSize m_keepAt;
};
