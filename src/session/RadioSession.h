#pragma once

#include "files/BackupStore.h"
#include "link/TransferEngine.h"
#include "session/ChangesQuestion.h"
#include "session/SessionResult.h"

#include <QObject>

#include <functional>

class CloneDocument;
class RadioPort;

// A session with the radio, the same for the window and the command-line
// tool: runs a transfer on the engine and applies what comes back to the
// document — the parts read as they arrive, as one undo step; the baseline
// the pending changes are measured from; the automatic backup of what was
// read; the unsaved state (a read is no edit, Auto Select is). Write
// Changes reads the radio, keeps it as a backup, asks, writes only what
// differs and reads it back. A stop request is honoured in every phase.
// The port is opened by a job and closed when the job ends.
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
    void setPauseMs(int ms);
    int pauseMs() const;
    void setReplyTimeoutMs(int ms);

    // From the start of a job to its end, Write Changes' question included.
    bool isBusy() const { return m_busy; }
    // Stops the running job at the next record (nothing when idle).
    void requestStop();

    SessionResult run(Job job);
    // What the running (or last) job has put into the document from the
    // radio, for a read that fails part-way: "The settings, the VFOs and
    // slots 0–32 now hold what the radio sent; Edit > Undo gives back the
    // document as it was." Empty when nothing was taken.
    QString partsReadText() const;
    // True to write the changes the question lists.
    using Confirm = std::function<bool(const ChangesQuestion &question)>;
    SessionResult writeChanges(const Confirm &confirm);

signals:
    void busyChanged(bool busy);
    // How the running job goes, step by step (the engine's own, passed on).
    void transferStarted(TransferEngine::Kind kind);
    void portOpened(TransferEngine::Kind kind);
    void slotChanged(int slot);
    void recordStarted(int done, int total);
    void partRead(const ImagePatch &part);
    void transferFinished(TransferEngine::Kind kind, const TransferResult &result);

private:
    // Refuses (in `result`) while busy; else marks the session busy and
    // rebuilds the settings records from the selections.
    bool begin(SessionResult &result);
    void setBusy(bool busy);
    TransferEngine::Transfer start(Job job);
    TransferEngine::Transfer identifyThenReadAll();
    // Keeps `image` as a backup of the given kind; the outcome in `result`.
    void keepBackup(const CloneImage &image, BackupStore::Kind kind, SessionResult &result) const;

    CloneDocument &m_document;
    RadioPort &m_port;
    TransferEngine m_engine;
    BackupStore m_backups = BackupStore::forThisUser();
    bool m_busy = false;
    bool m_stopRequested = false;
    // Parts read go into the document (not while Write Changes reads the radio).
    bool m_applyParts = true;
    // What the running job put into the document.
    bool m_settingsRead = false;
    bool m_vfosRead = false;
    QList<int> m_slotsRead;
};
