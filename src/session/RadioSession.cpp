#include "session/RadioSession.h"

#include "app/CloneDocument.h"
#include "link/LineExchange.h"
#include "link/RadioPort.h"

#include "codec/ChannelLabel.h"

#include <QCoreApplication>
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
        return QCoreApplication::translate("RadioSession", "Read Memory from the radio");
    case Job::ReadSettings:
        return QCoreApplication::translate("RadioSession", "Read Settings from the radio");
    case Job::ReadAll:
    case Job::IdentifyThenReadAll:
        return QCoreApplication::translate("RadioSession", "Read ALL from the radio");
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
    m_worker.setObjectName(QStringLiteral("radio"));
    m_workerContext.moveToThread(&m_worker);
    m_worker.start();

    // The one face of the radio: a front end follows the session alone.
    // The engine reports on the worker; the session passes it on here, in
    // order, one delivery for whatever has come meanwhile. A slot changed
    // and a part read wait for the report that comes right after them (the
    // next record started, the step's end): one wake-up of this thread a
    // record, not three.
    connect(&m_engine, &TransferEngine::transferStarted, this,
            [this](Kind kind) { post([this, kind] { emit transferStarted(kind); }); }, Qt::DirectConnection);
    connect(&m_engine, &TransferEngine::portOpened, this,
            [this](Kind kind) { post([this, kind] { emit portOpened(kind); }); }, Qt::DirectConnection);
    connect(&m_engine, &TransferEngine::slotChanged, this,
            [this](int slot) { post([this, slot] { emit slotChanged(slot); }, Delivery::WithNext); },
            Qt::DirectConnection);
    connect(&m_engine, &TransferEngine::recordStarted, this,
            [this](int done, int total) { post([this, done, total] { emit recordStarted(done, total); }); },
            Qt::DirectConnection);
    connect(&m_engine, &TransferEngine::partRead, this,
            [this](const ImagePatch &part) { post([this, part] { takePart(part); }, Delivery::WithNext); },
            Qt::DirectConnection);
    connect(&m_engine, &TransferEngine::transferFinished, this,
            [this](Kind kind, const TransferResult &result) { post([this, kind, result] { stepFinished(kind, result); }); },
            Qt::DirectConnection);
    // A stop asked for before the engine began its step still counts.
    connect(
        &m_engine, &TransferEngine::transferStarted, &m_engine,
        [this] {
            if (m_stopRequested)
                m_engine.requestStop();
        },
        Qt::DirectConnection);
}

void RadioSession::post(std::function<void()> letter, Delivery delivery)
{
    const QMutexLocker lock(&m_mailLock);
    m_mail.append(std::move(letter));
    if (delivery == Delivery::Now && !m_deliveryPosted) {
        m_deliveryPosted = true;
        QMetaObject::invokeMethod(this, &RadioSession::deliverMail, Qt::QueuedConnection);
    }
}

void RadioSession::deliverMail()
{
    QList<std::function<void()>> mail;
    {
        const QMutexLocker lock(&m_mailLock);
        mail.swap(m_mail);
        m_deliveryPosted = false;
    }
    for (const std::function<void()> &letter : std::as_const(mail))
        letter();
}

void RadioSession::takePart(const ImagePatch &part)
{
    if (m_applyParts) {
        m_document.apply(part);
        m_settingsRead = m_settingsRead || part.settings;
        m_vfosRead = m_vfosRead || part.vfo;
        m_slotsRead.append(part.channelSlots);
    }
    emit partRead(part);
}

void RadioSession::stepFinished(Kind kind, const TransferResult &result)
{
    // What the radio holds now: the pending changes are measured from it.
    if (m_applyParts && result.ok() && kind != Kind::AutoSelect)
        m_document.setBaseline(m_document.image());
    emit transferFinished(kind, result);
}

RadioSession::~RadioSession()
{
    m_engine.requestStop();
    m_worker.quit();
    m_worker.wait();
}

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

void RadioSession::requestStop()
{
    if (!m_busy)
        return;
    m_stopRequested = true;
    m_engine.requestStop();
}

bool RadioSession::begin()
{
    if (m_busy || m_engine.isBusy())
        return false;
    m_busy = true;
    m_stopRequested = false;
    m_applyParts = true;
    m_settingsRead = false;
    m_vfosRead = false;
    m_slotsRead.clear();
    m_result = SessionResult();
    // A write sends the settings records rebuilt from the selections.
    m_document.encodeSettingsLines();
    // The port is the job's only, on the worker: between jobs another
    // program (a nightly qtr70 read) may use the radio.
    m_port.moveTo(&m_worker);
    emit busyChanged(true);
    return true;
}

void RadioSession::onWorker(std::function<Transfer()> work, Then then)
{
    QMetaObject::invokeMethod(
        &m_workerContext,
        [this, work = std::move(work), then = std::move(then)] {
            Transfer done = work();
            // After every report the work sent on its way.
            post([then, done = std::move(done)] { then(done); });
        },
        Qt::QueuedConnection);
}

void RadioSession::finish(const SessionResult &result)
{
    QThread *home = thread();
    onWorker(
        [this, home] {
            m_port.close();
            m_port.moveTo(home);
            return Transfer();
        },
        [this, result](const Transfer &) {
            m_busy = false;
            emit busyChanged(false);
            emit finished(result);
        });
}

TransferEngine::Transfer RadioSession::runOnEngine(Job job, const CloneImage &image)
{
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
        return identifyThenReadAll(image);
    case Job::WriteAll:
        break;
    }
    return m_engine.writeAll(image);
}

TransferEngine::Transfer RadioSession::identifyThenReadAll(const CloneImage &image)
{
    const Transfer identified = m_engine.autoSelect(image);
    if (!identified.ok())
        return identified;
    if (m_stopRequested)
        return {TransferResult(TransferResult::Outcome::Interrupted, tr("nothing more was read")),
                identified.image, {}};
    m_engine.exchange().pause(m_engine.pauseMs());
    // With the model the radio named, as the document will hold it by the
    // time the parts read arrive there.
    return m_engine.readAll(identified.image);
}

bool RadioSession::start(Job job)
{
    if (!begin())
        return false;
    m_undoStep.emplace(m_document, stepOf(job), CloneDocument::StepKind::Transfer);
    onWorker([this, job, image = m_document.image()] { return runOnEngine(job, image); },
             [this, job](const Transfer &done) { jobDone(job, done); });
    return true;
}

void RadioSession::jobDone(Job job, const Transfer &done)
{
    m_result.transfer = done.result;
    // Auto Select picks the model option as a click does: an edit.
    if (job == Job::AutoSelect && done.ok())
        m_document.touchStep();
    m_undoStep.reset();
    BackupStore::Kind kind;
    if (done.ok() && backupOf(job, kind))
        keepBackup(m_document.image(), kind, m_result);
    finish(m_result);
}

QString RadioSession::partsReadText() const
{
    QStringList parts;
    if (m_settingsRead)
        parts.append(tr("the settings"));
    if (m_vfosRead)
        parts.append(tr("the VFOs"));
    if (!m_slotsRead.isEmpty()) {
        QList<int> rows = m_slotsRead;
        std::sort(rows.begin(), rows.end());
        parts.append((rows.size() == 1 ? tr("slot %1") : tr("slots %1")).arg(ChannelLabel::rangesText(rows)));
    }
    if (parts.isEmpty())
        return QString();
    QString named = parts.size() == 1
        ? parts.constFirst()
        : tr("%1 and %2").arg(QStringList(parts.mid(0, parts.size() - 1)).join(QStringLiteral(", ")), parts.constLast());
    named[0] = named.at(0).toUpper();
    const bool one = !m_settingsRead && !m_vfosRead && m_slotsRead.size() == 1;
    return (one ? tr("%1 now holds what the radio sent; Edit > Undo gives back the document as it was.")
                : tr("%1 now hold what the radio sent; Edit > Undo gives back the document as it was."))
        .arg(named);
}

void RadioSession::keepBackup(const CloneImage &image, BackupStore::Kind kind, SessionResult &result) const
{
    const FileResult saved = m_backups.save(image, kind, QDateTime::currentDateTime(), &result.backupPath);
    result.backup = saved.ok() ? SessionResult::Backup::Kept : SessionResult::Backup::Failed;
    if (!saved.ok())
        result.backupProblem = saved.detail();
}

bool RadioSession::startWriteChanges(const Confirm &confirm)
{
    if (!begin())
        return false;
    m_wanted = m_document.image();
    m_confirm = confirm;
    // What the radio holds, read as Read ALL reads it; the document is
    // not touched.
    m_applyParts = false;
    onWorker([this, wanted = m_wanted] { return m_engine.readAll(wanted); },
             [this](const Transfer &radio) { radioRead(radio); });
    return true;
}

void RadioSession::radioRead(const Transfer &radio)
{
    m_applyParts = true;
    m_result.transfer = radio.result;
    if (!radio.ok())
        return finish(m_result);
    if (m_stopRequested) {
        m_result.transfer = TransferResult(TransferResult::Outcome::Interrupted, tr("nothing written"));
        return finish(m_result);
    }

    // The backup is the promise of Write Changes: without it, no write.
    keepBackup(radio.image, BackupStore::Kind::BeforeWrite, m_result);
    if (m_result.backup == SessionResult::Backup::Failed) {
        m_result.changes = SessionResult::Changes::BackupFailed;
        return finish(m_result);
    }
    const ChangesQuestion question(radio.image, m_wanted);
    if (question.isEmpty()) {
        m_result.changes = SessionResult::Changes::NothingToWrite;
        m_document.setBaseline(m_wanted);
        return finish(m_result);
    }
    if (!m_confirm(question)) {
        m_result.changes = SessionResult::Changes::Declined;
        return finish(m_result);
    }

    m_result.changes = SessionResult::Changes::Written;
    if (m_stopRequested) {
        m_result.transfer = TransferResult(TransferResult::Outcome::Interrupted, tr("nothing written"));
        return finish(m_result);
    }
    m_addresses = question.addresses();
    onWorker([this, addresses = m_addresses, wanted = m_wanted] { return m_engine.writeRecords(addresses, wanted); },
             [this](const Transfer &written) { recordsWritten(written); });
}

void RadioSession::recordsWritten(const Transfer &written)
{
    m_result.written = written.written;
    m_result.transfer = written.result;
    if (!written.ok())
        return finish(m_result);
    if (m_stopRequested) {
        m_result.transfer = TransferResult(TransferResult::Outcome::Interrupted, tr("read back not done"));
        return finish(m_result);
    }
    onWorker([this, addresses = m_addresses, wanted = m_wanted] { return m_engine.verifyRecords(addresses, wanted); },
             [this](const Transfer &verified) {
                 m_result.transfer = verified.result;
                 if (verified.ok())
                     m_document.setBaseline(m_wanted);
                 finish(m_result);
             });
}
