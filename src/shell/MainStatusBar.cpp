#include "shell/MainStatusBar.h"

#include "edit/Announcer.h"
#include "edit/Twips.h"

#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QTimer>

namespace {

constexpr int ClockPanelWidth = Twips::PerInch;
constexpr int MillisecondsPerSecond = 1000;

} // namespace

MainStatusBar::MainStatusBar(QWidget *parent)
    : QStatusBar(parent),
      m_text(panel(QStringLiteral("sbPanelText"))),
      m_date(panel(QStringLiteral("sbPanelDate"))),
      m_time(panel(QStringLiteral("sbPanelTime"))),
      m_clock(new QTimer(this))
{
    setObjectName(QStringLiteral("sbStatusBar"));
    // A long reason must not widen the window: the panel shows what fits,
    // its tooltip the whole text.
    m_text->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    addWidget(m_text, 1);
    // A fixed name: the clock changes every second and must not flood a
    // screen reader with name changes; the text panel's name is its text,
    // so that each message is announced as it appears.
    m_date->setAccessibleName(tr("Date"));
    m_time->setAccessibleName(tr("Time"));
    for (QLabel *clockPanel : {m_date, m_time}) {
        clockPanel->setFixedWidth(Twips::toPixelsX(ClockPanelWidth, this));
        clockPanel->setAlignment(Qt::AlignCenter);
        addPermanentWidget(clockPanel);
    }
    m_clock->setSingleShot(true);
    m_clock->setTimerType(Qt::PreciseTimer);
    connect(m_clock, &QTimer::timeout, this, &MainStatusBar::showClock);
    showClock();
}

QLabel *MainStatusBar::panel(const QString &name)
{
    auto *label = new QLabel(this);
    label->setObjectName(name);
    return label;
}

void MainStatusBar::setText(const QString &text)
{
    m_text->setText(text);
    m_text->setToolTip(text);
}

void MainStatusBar::showResult(const QString &text)
{
    setText(text);
    Announcer::say(this, text);
}

QString MainStatusBar::text() const
{
    return m_text->text();
}

QString MainStatusBar::dateText() const
{
    return m_date->text();
}

QString MainStatusBar::timeText() const
{
    return m_time->text();
}

void MainStatusBar::showClock()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale = QLocale::system();
    m_date->setText(locale.toString(now.date(), QLocale::ShortFormat));
    m_time->setText(locale.toString(now.time(), QLocale::ShortFormat));
    // Wake up just after the next full second.
    m_clock->start(MillisecondsPerSecond - now.time().msec());
}
