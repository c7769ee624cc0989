#include "session/RadioSession.h"

#include "app/CloneDocument.h"
#include "link/LineExchange.h"
#include "link/RadioPort.h"

#include "codec/ChannelLabel.h"

#include <QDateTime>

#include <algorithm>

namespace {

using Job = RadioSession::Job;
using Kind = TransferEngine::Kind;

// The undo step of a job that changes the document; empty for one that
// does not.
QString stepOf(Job job)
{
    switch (job) {
    case Job::ReadMemory:
        return QStringLiteral("Read Memory from the radio");
    case Job::ReadSettings:
        return QStringLiteral("Read Settings from the radio");
    case Job::ReadAll:
    case Job::IdentifyThenReadAll:
        return QStringLiteral("Read ALL from the radio");
    case Job::AutoSelect:
        return QStringLiteral("Auto Select");
    case Job::WriteMemory:
    case Job::WriteSettings:
    case Job::WriteAll:
        break;
    }
    return QString();
}

// The backup a job that ended normally keeps; false for none.
bool backupOf(Job job, BackupStore::Kind &kind)
{
    switch (job) {
    case Job::ReadMemory:
        kind = BackupStore::Kind::Memory;
        return true;
    case Job::ReadSettings:
        kind = BackupStore::Kind::Settings;
        return true;
    case Job::ReadAll:
    case Job::IdentifyThenReadAll:
        kind = BackupStore::Kind::All;
        return true;
    default:
        break;
    }
    return false;
}

} // namespace

RadioSession::RadioSession(CloneDocument &document, RadioPort &port, QObject *parent)
    : QObject(parent), m_document(document), m_port(port), m_engine(port)
{
    // The one face of the radio: a front end follows the session alone.
    connect(&m_engine, &TransferEngine::transferStarted, this, &RadioSession::transferStarted);
    connect(&m_engine, &TransferEngine::portOpened, this, &RadioSession::portOpened);
    connect(&m_engine, &TransferEngine::slotChanged, this, &RadioSession::slotChanged);
    connect(&m_engine, &TransferEngine::recordStarted, this, &RadioSession::recordStarted);
    connect(&m_engine, &TransferEngine::partRead, this, [this](const ImagePatch &part) {
        if (m_applyParts) {
            m_document.apply(part);
            m_settingsRead = m_settingsRead || part.settings;
            m_vfosRead = m_vfosRead || part.vfo;
            m_slotsRead.append(part.channelSlots);
        }
        emit partRead(part);
    });
    // What the radio holds now: the pending changes are measured from it.
    connect(&m_engine, &TransferEngine::transferFinished, this, [this](Kind kind, const TransferResult &result) {
        if (m_applyParts && result.ok() && kind != Kind::AutoSelect)
            m_document.setBaseline(m_document.image());
        emit transferFinished(kind, result);
    });
}

RadioSession::~RadioSession() = default;

void RadioSession::setPauseMs(int ms)
{
    m_engine.setPauseMs(ms);
}

int RadioSession::pauseMs() const
{
    return m_engine.pauseMs();
}

void RadioSession::setReplyTimeoutMs(int ms)
{
    m_engine.exchange().setReplyTimeoutMs(ms);
}

void RadioSession::setBusy(bool busy)
{
    m_busy = busy;
    // The port is the job's only: between jobs another program (a nightly
    // qtr70 read) may use the radio.
    if (!busy)
        m_port.close();
    emit busyChanged(busy);
}

void RadioSession::requestStop()
{
    if (!m_busy)
        return;
    m_stopRequested = true;
    m_engine.requestStop();
}

TransferEngine::Transfer RadioSession::start(Job job)
{
    const CloneImage &image = m_document.image();
    switch (job) {
    case Job::ReadMemory:
        return m_engine.readMemory(image);
    case Job::WriteMemory:
        return m_engine.writeMemory(image);
    case Job::ReadSettings:
        return m_engine.readSettings(image);
    case Job::WriteSettings:
        return m_engine.writeSettings(image);
    case Job::AutoSelect:
        return m_engine.autoSelect(image);
    case Job::ReadAll:
        return m_engine.readAll(image);
    case Job::IdentifyThenReadAll:
        return identifyThenReadAll();
    case Job::WriteAll:
        break;
    }
    return m_engine.writeAll(image);
}

TransferEngine::Transfer RadioSession::identifyThenReadAll()
{
    const TransferEngine::Transfer identified = m_engine.autoSelect(m_document.image());
    if (!identified.ok())
        return identified;
    if (m_stopRequested)
        return {TransferResult(TransferResult::Outcome::Interrupted, QStringLiteral("nothing more was read")),
                identified.image, {}};
    m_engine.exchange().pause(m_engine.pauseMs());
    // The document holds the model the radio named by now.
    return m_engine.readAll(m_document.image());
}

bool RadioSession::begin(SessionResult &result)
{
    if (m_busy || m_engine.isBusy()) {
        result.transfer = TransferResult(TransferResult::Outcome::Refused);
        return false;
    }
    setBusy(true);
    m_stopRequested = false;
    m_settingsRead = false;
    m_vfosRead = false;
    m_slotsRead.clear();
    // A write sends the settings records rebuilt from the selections.
    m_document.encodeSettingsLines();
    return true;
}

SessionResult RadioSession::run(Job job)
{
    SessionResult result;
    if (!begin(result))
        return result;
    {
        const QString step = stepOf(job);
        const CloneDocument::Step undoStep(m_document, step, CloneDocument::StepKind::Transfer);
        result.transfer = start(job).result;
        // Auto Select picks the model option as a click does: an edit.
        if (job == Job::AutoSelect && result.transfer.ok())
            m_document.touchStep();
    }
    BackupStore::Kind kind;
    if (result.transfer.ok() && backupOf(job, kind))
        keepBackup(m_document.image(), kind, result);
    setBusy(false);
    return result;
}

QString RadioSession::partsReadText() const
{
    QStringList parts;
    if (m_settingsRead)
        parts.append(QStringLiteral("the settings"));
    if (m_vfosRead)
        parts.append(QStringLiteral("the VFOs"));
    if (!m_slotsRead.isEmpty()) {
        QList<int> rows = m_slotsRead;
        std::sort(rows.begin(), rows.end());
        parts.append((rows.size() == 1 ? QStringLiteral("slot ") : QStringLiteral("slots "))
                     + ChannelLabel::rangesText(rows));
    }
    if (parts.isEmpty())
        return QString();
    QString named = parts.size() == 1 ? parts.constFirst()
                                      : QStringList(parts.mid(0, parts.size() - 1)).join(QStringLiteral(", "))
            + QStringLiteral(" and ") + parts.constLast();
    named[0] = named.at(0).toUpper();
    const bool one = !m_settingsRead && !m_vfosRead && m_slotsRead.size() == 1;
    return QStringLiteral("%1 now %2 what the radio sent; Edit > Undo gives back the document as it was.")
        .arg(named, one ? QStringLiteral("holds") : QStringLiteral("hold"));
}

void RadioSession::keepBackup(const CloneImage &image, BackupStore::Kind kind, SessionResult &result) const
{
    const FileResult saved = m_backups.save(image, kind, QDateTime::currentDateTime(), &result.backupPath);
    result.backup = saved.ok() ? SessionResult::Backup::Kept : SessionResult::Backup::Failed;
    if (!saved.ok())
        result.backupProblem = saved.detail();
}

SessionResult RadioSession::writeChanges(const Confirm &confirm)
{
    SessionResult result;
    if (!begin(result))
        return result;
    const CloneImage wanted = m_document.image();
    const auto finish = [this, &result] {
        setBusy(false);
        return result;
    };

    // What the radio holds, read as Read ALL reads it; the document is
    // not touched.
    m_applyParts = false;
    const TransferEngine::Transfer radio = m_engine.readAll(wanted);
    m_applyParts = true;
    result.transfer = radio.result;
    if (!radio.ok())
        return finish();
    if (m_stopRequested) {
        result.transfer = TransferResult(TransferResult::Outcome::Interrupted, QStringLiteral("nothing written"));
        return finish();
    }

    // The backup is the promise of Write Changes: without it, no write.
    keepBackup(radio.image, BackupStore::Kind::BeforeWrite, result);
    if (result.backup == SessionResult::Backup::Failed) {
        result.changes = SessionResult::Changes::BackupFailed;
        return finish();
    }
    const ChangesQuestion question(radio.image, wanted);
    if (question.isEmpty()) {
        result.changes = SessionResult::Changes::NothingToWrite;
        m_document.setBaseline(wanted);
        return finish();
    }
    if (!confirm(question)) {
        result.changes = SessionResult::Changes::Declined;
        return finish();
    }

    result.changes = SessionResult::Changes::Written;
    if (m_stopRequested) {
        result.transfer = TransferResult(TransferResult::Outcome::Interrupted, QStringLiteral("nothing written"));
        return finish();
    }
    const TransferEngine::Transfer written = m_engine.writeRecords(question.addresses(), wanted);
    result.written = written.written;
    result.transfer = written.result;
    if (!written.ok())
        return finish();
    if (m_stopRequested) {
        result.transfer = TransferResult(TransferResult::Outcome::Interrupted, QStringLiteral("read back not done"));
        return finish();
    }
    result.transfer = m_engine.verifyRecords(question.addresses(), wanted).result;
    if (result.transfer.ok())
        m_document.setBaseline(wanted);
    return finish();
}
