#pragma once

#include "session/RadioSession.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>

class MainStatusBar;
class MemoryPage;
class Prompter;
class QWidget;
class SettingsPage;

// How the main window follows a transfer: its own buttons disabled, the
// hourglass, the progress bar of a memory transfer (and the Stop button of
// Write Changes), the step in the status bar; at the end a failure's
// message, or what was done, and the controls back. The transfers run
// through the session, so the window and the command-line tool apply
// them alike; the window stays responsive while they run.
class TransferPanel : public QObject
{
    Q_OBJECT
public:
    using Job = RadioSession::Job;
    using Kind = TransferEngine::Kind;
    enum class State {
        Idle,
        Single,         // one of the four transfers, or Auto Select
        All,            // Read ALL or Write ALL: the page of each step shown
        WritingChanges, // Write Changes: the page of each step shown, Stop offered
    };

    // `transferOk` is the window's flag that each of the four transfers
    // sets at its normal end; `showPage` brings a tab's page to the front.
    TransferPanel(RadioSession &session, Prompter &prompter, QWidget *window, MemoryPage *memoryPage,
                  SettingsPage *settingsPage, MainStatusBar *statusBar, bool &transferOk,
                  std::function<void(int tab)> showPage, QObject *parent = nullptr);

    // How long after it begins a slot is drawn (but the first of a step):
    // its command has gone out by then and its reply is still on its way.
    static constexpr int StepDrawMs = 50;

    State state() const { return m_state; }
    bool isRunning() const { return m_state != State::Idle; }

    // Starts one transfer (Read ALL and Write ALL clear the window's flag
    // first); the window goes on meanwhile, and finished() tells its end.
    void run(Job job);
    void writeChanges();

signals:
    // A transfer the window started has ended, whatever its outcome.
    void finished();

private:
    void stepStarted(Kind kind);
    void showProgressBar(Kind kind);
    void showChannelStep(int slot);
    void drawChannelStep();
    void stepFinished(Kind kind, const TransferResult &result);
    void sessionFinished(const SessionResult &result);
    // The backup of what was read, when it could not be written.
    void reportBackup(const SessionResult &result);
    bool confirmChanges(const ChangesQuestion &question);
    void finishChanges(const SessionResult &result);
    QString doneText(Kind kind) const;
    void resetControls();

    RadioSession &m_session;
    Prompter &m_prompter;
    QWidget *m_window;
    MemoryPage *m_memoryPage;
    SettingsPage *m_settingsPage;
    MainStatusBar *m_statusBar;
    bool &m_transferOk;
    std::function<void(int)> m_showPage;
    State m_state = State::Idle;
    Kind m_runningKind = Kind::ReadMemory;
    // The slot to show in the progress bar and the status bar (-1 for
    // none), when, and whether the step has shown one yet.
    int m_stepSlot = -1;
    QTimer m_stepTimer;
    bool m_stepDrawn = false;
    // Where the progress bar was last drawn to, in pixels of its width.
    int m_progressPixel = 0;
    // Since the transfer the user started began.
    QElapsedTimer m_clock;
};
