#pragma once

#include "codec/ImagePatch.h"
#include "codec/CloneImage.h"
#include "link/TransferResult.h"

#include <QList>
#include <QObject>

#include <atomic>
#include <initializer_list>
#include <memory>
#include <utility>

class BlockCommands;
class LineExchange;
class RadioPort;

// The clone transfers. A read starts from an image and hands back that
// image with what the radio sent in place of its parts; a write sends the
// image it is given. The engine keeps no image of its own between
// transfers: the caller decides what becomes of what comes back. A
// transfer blocks the thread that asks for it (the session's worker) and
// reports its progress by signals. One transfer at a time: while one runs,
// every request to start another returns Refused at once and does nothing.
// isBusy() and requestStop() may be called from any thread.
class TransferEngine : public QObject
{
    Q_OBJECT
public:
    enum class Kind { ReadMemory, WriteMemory, ReadSettings, WriteSettings, AutoSelect };
    Q_ENUM(Kind)

    static constexpr int DefaultPauseMs = 10;

    // What a transfer ended with and the image it leaves: for a read, the
    // image it started from with every part read so far in place (also
    // when it failed part-way); for a write, the image it was given.
    struct Transfer
    {
        TransferResult result;
        CloneImage image;
        // writeRecords: the addresses written, in the order written.
        QList<int> written;
        bool ok() const { return result.ok(); }
    };

    explicit TransferEngine(RadioPort &port, QObject *parent = nullptr);
    ~TransferEngine() override;

    bool isBusy() const;
    // Asks the running transfer to stop at the next record: the exchange in
    // flight finishes, the end command is sent and the transfer ends
    // Interrupted, saying which records it moved. Ignored when idle.
    void requestStop();
    LineExchange &exchange();
    // The pause between two operations (10 ms; tests may shorten it).
    void setPauseMs(int ms);
    int pauseMs() const { return m_pauseMs; }

    Transfer readMemory(const CloneImage &image);
    Transfer writeMemory(const CloneImage &image);
    Transfer readSettings(const CloneImage &image);
    Transfer writeSettings(const CloneImage &image);
    // The image with the model option and coverage version the radio names.
    Transfer autoSelect(const CloneImage &image);
    // Read Settings, then Read Memory only when it ended normally
    // (likewise for Write ALL), as one busy stretch.
    Transfer readAll(const CloneImage &image);
    Transfer writeAll(const CloneImage &image);

    // Write Changes' second and third steps. Writes the records at
    // `addresses` (ascending) from `image` with the sequences of Write
    // Settings and Write Memory (a sequence with nothing to write is
    // skipped); `written` lists what reached the radio, however it ended.
    Transfer writeRecords(const QList<int> &addresses, const CloneImage &image);
    // Reads the records at `addresses` back and compares them with `image`.
    Transfer verifyRecords(const QList<int> &addresses, const CloneImage &image);

    // "record 0320 and slots 3, 7 and 12" for the addresses written;
    // "nothing" for none.
    static QString describeRecords(const QList<int> &addresses);

signals:
    void busyChanged(bool busy);
    void transferStarted(TransferEngine::Kind kind);
    void transferFinished(TransferEngine::Kind kind, const TransferResult &result);
    // The running transfer has its port open and starts talking.
    void portOpened(TransferEngine::Kind kind);
    // The channel slot being transferred (0..603), for a progress bar;
    // recordStarted() follows at once.
    void slotChanged(int slot);
    // The running step has moved on to its record `done` + 1 of `total`
    // (all 604 channels, or the records Write Changes writes or reads back).
    void recordStarted(int done, int total);
    // A read has decoded a part of the radio (one channel slot, the
    // settings, both VFOs, the model): the part as it now stands.
    void partRead(const ImagePatch &part);

private:
    using Step = TransferResult (TransferEngine::*)();

    // Refuses while busy; otherwise runs the steps in order on `image` as
    // one busy stretch, each after the previous one ended normally.
    Transfer request(const CloneImage &image, std::initializer_list<std::pair<Kind, Step>> steps);
    // Runs one transfer between transferStarted and transferFinished.
    TransferResult runStep(Kind kind, Step step);
    void setBusy(bool busy);

    TransferResult doReadMemory();
    TransferResult doWriteMemory();
    TransferResult doReadSettings();
    TransferResult doWriteSettings();
    TransferResult doAutoSelect();
    TransferResult doWriteRecords();
    TransferResult doVerifyRecords();
    TransferResult writeSequence(Kind kind, const QList<int> &addresses);

    // Opens the port when it is closed; false (and `failure` set) when it
    // cannot be opened.
    bool ensureOpen(TransferResult &failure);
    // Opens the port when closed and has the radio confirm its model; the
    // pause after the check included.
    bool beginWrite(TransferResult &failure);
    // The end command: a transfer's normal end.
    TransferResult endNormally();
    void pause();
    // Stopped on request: the end command, then the outcome saying what
    // was moved.
    TransferResult interrupted(const QString &what);
    // A part read: into the image, and told.
    void take(const ImagePatch &part);

    RadioPort &m_port;
    std::unique_ptr<LineExchange> m_exchange;
    std::unique_ptr<BlockCommands> m_commands;
    int m_pauseMs = DefaultPauseMs;
    std::atomic<bool> m_busy = false;
    std::atomic<bool> m_stopRequested = false;
    Kind m_running = Kind::ReadMemory;
    // The image of the running request, and Write Changes' addresses.
    CloneImage m_image;
    QList<int> m_addresses;
    QList<int> m_written;
};
