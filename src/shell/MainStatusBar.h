#pragma once

#include <QStatusBar>

class QLabel;
class QTimer;

// The status bar sbStatusBar: a text panel taking the remaining width
// (transfer progress, the reason behind a failure), then the date and the
// time, one inch each, in the system's short formats, following the clock.
class MainStatusBar : public QStatusBar
{
    Q_OBJECT
public:
    explicit MainStatusBar(QWidget *parent = nullptr);

    // A step or a result: it stays until the next one replaces it.
    void setText(const QString &text);
    // The outcome of something the user did, shown as setText shows it and
    // said by a screen reader. Not for a step, nor beside a message box,
    // which a reader speaks itself.
    void showResult(const QString &text);
    QString text() const;
    QString dateText() const;
    QString timeText() const;

    // Shows the date and time now and again at every full second.
    void showClock();

private:
    QLabel *panel(const QString &name);

    QLabel *m_text;
    QLabel *m_date;
    QLabel *m_time;
    QTimer *m_clock;
};
