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
    // How long a passing text stays.
    static constexpr int PassingTextMs = 5000;

    explicit MainStatusBar(QWidget *parent = nullptr);

    void setText(const QString &text);
    // A text that clears itself after PassingTextMs unless another text
    // has replaced it by then.
    void setPassingText(const QString &text);
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
    QTimer *m_passing;
};
