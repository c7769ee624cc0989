#pragma once

#include "files/BackupStore.h"
#include "link/TransferEngine.h"
#include "session/ChangesQuestion.h"
#include "session/SessionResult.h"

#include "app/CloneDocument.h"

#include <QList>
#include <QMutex>
#include <QObject>
#include <QThread>

#include <atomic>
#include <functional>
#include <optional>

class CloneDocument;
class RadioPort;

// A session with the radio, the same for the window and the command-line
// tool: runs a transfer on the engine and applies what comes back to the
// document — the parts read as they arrive, as one undo step; the baseline
// the pending changes are measured from; the automatic backup of what was
// read; the unsaved state (a read is no edit, Auto Select is). Write
// Changes reads the radio, keeps it as a backup, asks, writes only what
// differs and reads it back. A stop request is honoured in every phase.
//
// The engine talks to the radio on the session's worker thread, blocking
// there; the port moves to that thread for a job, is opened by it and is
// closed and handed back when it ends. The session itself, the document
// and every signal it sends stay on the thread that made it, which keeps
// running its event loop: a job is started and ends with finished().
class RadioSession : public QObject
{
    Q_OBJECT
public:
    // IdentifyThenReadAll: Auto Select, the pause the radio wants after it,
    // then Read ALL, as one job (qtr70 read).
    enum class Job { ReadMemory, WriteMemory, ReadSettings, WriteSettings, AutoSelect, ReadAll, WriteAll, IdentifyThenReadAll };

    RadioSession(CloneDocument &document, RadioPort &port, QObject *parent = nullptr);
    ~RadioSession() override;

    CloneDocument &document() { return m_document; }
    TransferEngine &engine() { return m_engine; }
    // Where the backups of what was read go (the per-user folder unless set).
    void setBackupStore(const BackupStore &store) { m_backups = store; }
    const BackupStore &backupStore() const { return m_backups; }

    // The pause between two operations (10 ms) and the bound of one
    // exchange (2000 ms); tests and the command-line tool's options set them.
    // Not while a job runs.
    void setPauseMs(int ms);
    int pauseMs() const;
    void setReplyTimeoutMs(int ms);

    // From the start of a job to finished(), Write Changes' question included.
    bool isBusy() const { return m_busy; }
    // Stops the running job at the next record (nothing when idle).
    void requestStop();

    // Starts `job`; finished() follows. False, and nothing started, while
    // a job runs.
    bool start(Job job);
    // True to write the changes the question lists; asked on the session's
    // thread.
    using Confirm = std::function<bool(const ChangesQuestion &question)>;
    // Starts Write Changes; finished() follows. False while a job runs.
    bool startWriteChanges(const Confirm &confirm);
    // What the running (or last) job has put into the document from the
    // radio, for a read that fails part-way: "The settings, the VFOs and
    // slots 0–32 now hold what the radio sent; Edit > Undo gives back the
    // document as it was." Empty when nothing was taken.
    QString partsReadText() const;

signals:
    void busyChanged(bool busy);
    // How the running job goes, step by step (the engine's own, passed on).
    void transferStarted(TransferEngine::Kind kind);
    void portOpened(TransferEngine::Kind kind);
    void slotChanged(int slot);
    void recordStarted(int done, int total);
    void partRead(const ImagePatch &part);
    void transferFinished(TransferEngine::Kind kind, const TransferResult &result);
    // The job has ended, the port is closed, and the session is idle.
    void finished(const SessionResult &result);

private:
    using Transfer = TransferEngine::Transfer;
    using Then = std::function<void(const Transfer &done)>;

    // Refuses while busy; else marks the session busy, moves the port to
    // the worker and rebuilds the settings records from the selections.
    bool begin();
    // Runs `work` on the worker, then `then` here with what it handed back.
    void onWorker(std::function<Transfer()> work, Then then);
    // From the worker: `letter` runs here after everything posted before
    // it, at once or with the next letter posted to go at once.
    enum class Delivery { Now, WithNext };
    void post(std::function<void()> letter, Delivery delivery = Delivery::Now);
    void deliverMail();
    void takePart(const ImagePatch &part);
    void stepFinished(TransferEngine::Kind kind, const TransferResult &result);
    // Closes the port on the worker and takes it back, then ends the job.
    void finish(const SessionResult &result);
    Transfer runOnEngine(Job job, const CloneImage &image);
    Transfer identifyThenReadAll(const CloneImage &image);
    void jobDone(Job job, const Transfer &done);
    // Write Changes, phase by phase.
    void radioRead(const Transfer &radio);
    void recordsWritten(const Transfer &written);
    // Keeps `image` as a backup of the given kind; the outcome in `result`.
    void keepBackup(const CloneImage &image, BackupStore::Kind kind, SessionResult &result) const;

    CloneDocument &m_document;
    RadioPort &m_port;
    TransferEngine m_engine;
    QThread m_worker;
    // Lives on the worker: what runs there runs in its name.
    QObject m_workerContext;
    // What the worker has told and this thread has not yet heard.
    QMutex m_mailLock;
    QList<std::function<void()>> m_mail;
    bool m_deliveryPosted = false;
    BackupStore m_backups = BackupStore::forThisUser();
    std::atomic<bool> m_busy = false;
    std::atomic<bool> m_stopRequested = false;
    // Parts read go into the document (not while Write Changes reads the radio).
    bool m_applyParts = true;
    // What the running job put into the document.
    bool m_settingsRead = false;
    bool m_vfosRead = false;
    QList<int> m_slotsRead;
    // The running job's undo step, open from its start to its end.
    std::optional<CloneDocument::Step> m_undoStep;
    // Write Changes: the image to write, the question's answer, the result so far.
    CloneImage m_wanted;
    Confirm m_confirm;
    QList<int> m_addresses;
    SessionResult m_result;
};
