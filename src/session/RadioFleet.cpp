#include "session/RadioFleet.h"

#include "app/CloneDocument.h"
#include "codec/Vocabulary.h"
#include "link/RadioPort.h"
#include "session/ChangesQuestion.h"
#include "session/RadioSession.h"

#include <algorithm>

struct RadioFleet::Radio
{
    QString name;
    std::unique_ptr<RadioPort> port;
    std::unique_ptr<CloneDocument> document;
    std::unique_ptr<RadioSession> session;
    // The session's finished() leads to the model check first, then to the
    // write's end.
    bool identifying = true;
    Outcome outcome;
};

QString RadioFleet::Outcome::text() const
{
    const TransferResult &transfer = result.transfer;
    const QString reason = transfer.detail().isEmpty() ? transfer.message()
                                                       : QStringLiteral("%1: %2").arg(transfer.message(), transfer.detail());
    switch (state) {
    case State::Waiting:
    case State::Running:
        break;
    case State::Skipped:
        return skippedBecause;
    case State::Written:
        if (read)
            return tr("Read %1, kept in the backups.").arg(model);
        return result.changes == SessionResult::Changes::NotAsked ? tr("Wrote the whole image.") : result.changesText();
    case State::Stopped:
        if (!writeStarted)
            return tr("Stopped before writing; nothing was written.");
        return changesOnly ? result.changesText() : tr("Stopped: %1").arg(transfer.detail());
    case State::Failed:
        if (result.changes == SessionResult::Changes::Written || result.changes == SessionResult::Changes::BackupFailed)
            return QStringLiteral("%1 %2").arg(reason, result.changesText());
        return reason;
    }
    return QString();
}

RadioFleet::RadioFleet(QObject *parent)
    : QObject(parent)
{
}

RadioFleet::~RadioFleet()
{
    // Sessions go before the documents and ports they work on.
    for (const std::unique_ptr<Radio> &radio : m_radios)
        radio->session.reset();
}

void RadioFleet::addRadio(const QString &name, std::unique_ptr<RadioPort> port)
{
    auto radio = std::make_unique<Radio>();
    radio->name = name;
    radio->port = std::move(port);
    radio->document = std::make_unique<CloneDocument>();
    m_radios.push_back(std::move(radio));
}

QString RadioFleet::radioName(int radio) const
{
    return m_radios.at(size_t(radio))->name;
}

const RadioFleet::Outcome &RadioFleet::outcome(int radio) const
{
    return m_radios.at(size_t(radio))->outcome;
}

void RadioFleet::prepare(const CloneImage &image)
{
    m_image = image;
    m_stopRequested = false;
    for (size_t i = 0; i < m_radios.size(); ++i) {
        Radio &radio = *m_radios[i];
        const int index = int(i);
        radio.outcome = Outcome{};
        radio.outcome.state = Outcome::State::Running;
        radio.identifying = true;
        radio.document->setImage(image);
        radio.session = std::make_unique<RadioSession>(*radio.document, *radio.port);
        if (m_configure)
            m_configure(*radio.session);
        connect(radio.session.get(), &RadioSession::recordStarted, this,
                [this, index](int done, int total) { emit progress(index, done, total); });
        connect(radio.session.get(), &RadioSession::finished, this, [this, index](const SessionResult &result) {
            if (m_radios[size_t(index)]->identifying)
                identified(index, result);
            else
                written(index, result);
        });
        ++m_running;
    }
}

bool RadioFleet::start(const CloneImage &image, Write how)
{
    if (isRunning() || m_radios.empty())
        return false;
    m_how = how;
    prepare(image);
    // Every radio asks for its model at once.
    for (size_t i = 0; i < m_radios.size(); ++i) {
        if (!m_radios[i]->session->start(RadioSession::Job::AutoSelect))
            end(int(i), Outcome::State::Failed);
    }
    return true;
}

bool RadioFleet::startRead()
{
    if (isRunning() || m_radios.empty())
        return false;
    prepare(CloneImage::factory(Vocabulary::ModelE, false));
    for (size_t i = 0; i < m_radios.size(); ++i) {
        Radio &radio = *m_radios[i];
        radio.identifying = false;
        radio.outcome.read = true;
        if (!radio.session->start(RadioSession::Job::IdentifyThenReadAll))
            end(int(i), Outcome::State::Failed);
    }
    return true;
}

const CloneImage &RadioFleet::image(int radio) const
{
    return m_radios.at(size_t(radio))->document->image();
}

void RadioFleet::identified(int index, const SessionResult &result)
{
    Radio &radio = *m_radios[size_t(index)];
    radio.outcome.result = result;
    if (!result.ok()) {
        const bool stopped = result.transfer.outcome() == TransferResult::Outcome::Interrupted;
        return end(index, stopped ? Outcome::State::Stopped : Outcome::State::Failed);
    }
    const CloneImage &named = radio.document->image();
    radio.outcome.model = Vocabulary::modelName(named.modelVariant);
    if (named.modelVariant != m_image.modelVariant && !m_forceModel) {
        radio.outcome.skippedBecause = tr("Not written: the radio is a %1, the file is for a %2 (--force-model writes it)")
                                           .arg(radio.outcome.model, Vocabulary::modelName(m_image.modelVariant));
        return end(index, Outcome::State::Skipped);
    }
    if (m_stopRequested) {
        radio.outcome.result.transfer = TransferResult(TransferResult::Outcome::Interrupted, tr("nothing written"));
        return end(index, Outcome::State::Stopped);
    }
    // The file's image is written as it is, whatever the radio named.
    radio.document->setImage(m_image);
    radio.identifying = false;
    radio.outcome.writeStarted = true;
    radio.outcome.changesOnly = m_how == Write::Changes;
    const bool started = m_how == Write::Changes
        ? radio.session->startWriteChanges([](const ChangesQuestion &) { return true; })
        : radio.session->start(RadioSession::Job::WriteAll);
    if (!started)
        end(index, Outcome::State::Failed);
}

void RadioFleet::written(int index, const SessionResult &result)
{
    Radio &radio = *m_radios[size_t(index)];
    radio.outcome.result = result;
    if (radio.outcome.read)
        radio.outcome.model = Vocabulary::modelName(radio.document->image().modelVariant);
    if (result.ok() && result.changes != SessionResult::Changes::BackupFailed)
        return end(index, Outcome::State::Written);
    const bool stopped = result.transfer.outcome() == TransferResult::Outcome::Interrupted;
    end(index, stopped ? Outcome::State::Stopped : Outcome::State::Failed);
}

void RadioFleet::end(int index, Outcome::State state)
{
    Radio &radio = *m_radios[size_t(index)];
    radio.outcome.state = state;
    radio.session->disconnect(this);
    --m_running;
    emit radioFinished(index);
    if (m_running == 0)
        emit finished();
}

void RadioFleet::requestStop()
{
    m_stopRequested = true;
    for (const std::unique_ptr<Radio> &radio : m_radios) {
        if (radio->session)
            radio->session->requestStop();
    }
}

bool RadioFleet::allSucceeded() const
{
    return std::all_of(m_radios.cbegin(), m_radios.cend(),
                       [](const std::unique_ptr<Radio> &radio) { return radio->outcome.succeeded(); });
}

QStringList RadioFleet::summary() const
{
    QStringList lines;
    int written = 0;
    for (const std::unique_ptr<Radio> &radio : m_radios) {
        const QString model = radio->outcome.model.isEmpty() ? QStringLiteral("-") : radio->outcome.model;
        lines.append(tr("%1 (%2): %3").arg(radio->name, model, radio->outcome.text()));
        written += radio->outcome.succeeded() ? 1 : 0;
    }
    const bool reading = !m_radios.empty() && m_radios.front()->outcome.read;
    lines.append((reading ? tr("%1 of %2 radios read") : tr("%1 of %2 radios written")).arg(written).arg(m_radios.size()));
    return lines;
}
