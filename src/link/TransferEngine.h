#pragma once

#include "TransferResult.h"

#include <QObject>

#include <QList>

#include <functional>
#include <initializer_list>
#include <memory>
#include <utility>

class CloneImage;
class Module1;
class RadioPort;
class LineExchange;
class BlockCommands;

// The clone transfers on the session's document: reads store what they
// decode through the document, writes encode what it holds. One transfer
// at a time: while one runs, every request to start another returns
// Refused at once and does nothing.
class TransferEngine : public QObject
{
    Q_OBJECT
public:
    enum class Kind { ReadMemory, WriteMemory, ReadSettings, WriteSettings, AutoSelect };
    Q_ENUM(Kind)

    static constexpr int DefaultPauseMs = 10;

    TransferEngine(Module1 &state, RadioPort &port, QObject *parent = nullptr);
    ~TransferEngine() override;

    bool isBusy() const;
    // The document the transfers work on.
    const Module1 &document() const { return m_state; }
    // Asks the running transfer to stop at the next record: the exchange in
    // flight finishes, the end command is sent and the transfer ends
    // Interrupted, saying which records it moved. Ignored when idle.
    void requestStop();
    LineExchange &exchange();
    // The pause between two operations (10 ms; tests may shorten it).
    void setPauseMs(int ms);

    TransferResult readMemory();
    TransferResult writeMemory();
    TransferResult readSettings();
    TransferResult writeSettings();
    TransferResult autoSelect();
    // Read Settings, then Read Memory only when it ended normally
    // (likewise for Write ALL), as one busy stretch.
    TransferResult readAll();
    TransferResult writeAll();

    // Called by Write Changes once the radio has been read: what the radio
    // holds and the addresses of the records that differ from the
    // document's image (ascending; empty when there is nothing to write).
    // True goes on and writes them; false ends the transfer, nothing
    // written.
    using ChangesConfirmation = std::function<bool(const CloneImage &radio, const QList<int> &changed)>;
    // Write Changes: reads the whole radio as Read ALL does into a separate
    // image (the document is not touched), asks `confirm`, then writes only
    // the differing records with the sequences of Write Settings and Write
    // Memory (a sequence with nothing to write is skipped), then reads each
    // written record back and compares it. A failure's detail says which
    // records were written.
    TransferResult writeChanges(const ChangesConfirmation &confirm);

signals:
    void busyChanged(bool busy);
    void transferStarted(TransferEngine::Kind kind);
    void transferFinished(TransferEngine::Kind kind, const TransferResult &result);
    // The running transfer has its port open and starts talking.
    void portOpened(TransferEngine::Kind kind);
    // The channel slot being transferred (0..603), for a progress bar.
    void slotChanged(int slot);

private:
    using Step = TransferResult (TransferEngine::*)();

    // Refuses while busy; otherwise runs the steps in order as one busy
    // stretch, each after the previous one ended normally.
    TransferResult request(std::initializer_list<std::pair<Kind, Step>> steps);
    // Runs one transfer between transferStarted and transferFinished.
    TransferResult runStep(Kind kind, Step step);
    void setBusy(bool busy);

    TransferResult doReadMemory();
    TransferResult doWriteMemory();
    TransferResult doReadSettings();
    TransferResult doWriteSettings();
    TransferResult doAutoSelect();
    // Write Changes' steps.
    TransferResult writeRecords(Kind kind, const QList<int> &addresses, const QList<int> &before,
                                const CloneImage &image);
    TransferResult verifyRecords(const QList<int> &addresses, const CloneImage &image);

    // Opens the port when it is closed; false (and `failure` set) when it
    // cannot be opened.
    bool ensureOpen(TransferResult &failure);
    Kind m_running = Kind::ReadMemory;
    // Opens the port when closed and has the radio confirm its model; the
    // pause after the check included.
    bool beginWrite(TransferResult &failure);
    // The end command: a transfer's normal end.
    TransferResult endNormally();
    void pause();
    // Stopped on request: the end command, then the outcome saying what
    // was moved.
    TransferResult interrupted(const QString &what);
    bool m_stopRequested = false;

    Module1 &m_state;
    // The document the transfers read into and write from: the session's,
    // or Write Changes' picture of the radio.
    Module1 *m_target = nullptr;
    RadioPort &m_port;
    std::unique_ptr<LineExchange> m_exchange;
    std::unique_ptr<BlockCommands> m_commands;
    int m_pauseMs = DefaultPauseMs;
    bool m_busy = false;
};
