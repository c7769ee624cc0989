#include "shell/TransferPanel.h"

#include "app/CloneDocument.h"
#include "codec/CloneImage.h"
#include "edit/MemoryGrid.h"
#include "edit/MemoryPage.h"
#include "edit/Prompter.h"
#include "edit/SettingsPage.h"
#include "edit/VfoGrid.h"
#include "files/ImageReport.h"
#include "codec/SafeText.h"
#include "shell/MainStatusBar.h"

#include <QApplication>
#include <QProgressBar>
#include <QPushButton>

#include <utility>

namespace {

using Kind = TransferEngine::Kind;

const QString ErrorCaption = QStringLiteral("ERROR");
const char *const ChangesCaption = QT_TRANSLATE_NOOP("TransferPanel", "Write Changes");
// The pages of the tab strip.
constexpr int SettingsTab = 0;
constexpr int MemoryTab = 1;

bool isMemoryTransfer(Kind kind)
{
    return kind == Kind::ReadMemory || kind == Kind::WriteMemory;
}

} // namespace

TransferPanel::TransferPanel(RadioSession &session, Prompter &prompter, QWidget *window, MemoryPage *memoryPage,
                             SettingsPage *settingsPage, MainStatusBar *statusBar, bool &transferOk,
                             std::function<void(int)> showPage, QObject *parent)
    : QObject(parent),
      m_session(session),
      m_prompter(prompter),
      m_window(window),
      m_memoryPage(memoryPage),
      m_settingsPage(settingsPage),
      m_statusBar(statusBar),
      m_transferOk(transferOk),
      m_showPage(std::move(showPage))
{
    connect(&m_session, &RadioSession::transferStarted, this, &TransferPanel::stepStarted);
    connect(&m_session, &RadioSession::portOpened, this, &TransferPanel::showProgressBar);
    connect(&m_session, &RadioSession::slotChanged, this, &TransferPanel::showChannelStep);
    connect(&m_session, &RadioSession::transferFinished, this, &TransferPanel::stepFinished);
    connect(&m_session, &RadioSession::finished, this, &TransferPanel::sessionFinished);
    connect(m_memoryPage->stopButton(), &QPushButton::clicked, &m_session, &RadioSession::requestStop);
    m_stepTimer.setSingleShot(true);
    connect(&m_stepTimer, &QTimer::timeout, this, &TransferPanel::drawChannelStep);
}

void TransferPanel::run(Job job)
{
    if (isRunning() || m_session.isBusy())
        return;
    const bool all = job == Job::ReadAll || job == Job::WriteAll;
    if (all)
        m_transferOk = false;
    m_state = all ? State::All : State::Single;
    m_clock.start();
    if (!m_session.start(job))
        m_state = State::Idle;
}

void TransferPanel::writeChanges()
{
    if (isRunning() || m_session.isBusy())
        return;
    m_transferOk = false;
    m_state = State::WritingChanges;
    m_clock.start();
    if (!m_session.startWriteChanges([this](const ChangesQuestion &question) { return confirmChanges(question); }))
        m_state = State::Idle;
}

void TransferPanel::sessionFinished(const SessionResult &result)
{
    const State ended = std::exchange(m_state, State::Idle);
    if (ended == State::WritingChanges)
        finishChanges(result);
    else
        reportBackup(result);
    emit finished();
}

void TransferPanel::stepStarted(Kind kind)
{
    if (m_state == State::All || m_state == State::WritingChanges)
        m_showPage(isMemoryTransfer(kind) ? MemoryTab : SettingsTab);
    m_runningKind = kind;

    QList<QWidget *> own;
    switch (kind) {
    case Kind::ReadMemory:
    case Kind::WriteMemory:
        own = {m_memoryPage->readMemoryButton(), m_memoryPage->writeMemoryButton()};
        break;
    case Kind::ReadSettings:
        own = {m_settingsPage->readSettingsButton(), m_settingsPage->writeSettingsButton()};
        m_statusBar->setText(tr("Reading settings and VFOs"));
        break;
    case Kind::WriteSettings:
        own = {m_settingsPage->readSettingsButton(), m_settingsPage->writeSettingsButton()};
        m_statusBar->setText(tr("Writing settings and VFOs"));
        break;
    case Kind::AutoSelect:
        own = {m_settingsPage->autoSelectButton()};
        m_statusBar->setText(tr("Asking the radio for its model"));
        break;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    for (QWidget *button : own)
        button->setEnabled(false);
    if (kind == Kind::ReadMemory)
        m_memoryPage->grid()->setBatching(true);
    m_stepDrawn = false;
}

void TransferPanel::showProgressBar(Kind kind)
{
    // Once the port is open: a port that cannot be opened shows none.
    if (!isMemoryTransfer(kind))
        return;
    m_memoryPage->progressBar()->setValue(0);
    m_progressPixel = 0;
    m_memoryPage->progressBar()->show();
    m_memoryPage->stopButton()->setVisible(m_state == State::WritingChanges);
}

void TransferPanel::showChannelStep(int slot)
{
    // The first slot of a step is drawn at once, later ones StepDrawMs
    // later: not while a command goes out and is answered, when the drawing
    // would compete with the exchange for the processor.
    m_stepSlot = slot;
    if (!m_stepTimer.isActive())
        m_stepTimer.start(m_stepDrawn ? StepDrawMs : 0);
}

void TransferPanel::drawChannelStep()
{
    const int slot = std::exchange(m_stepSlot, -1);
    if (slot < 0)
        return;
    m_stepDrawn = true;
    // The bar is drawn anew only when the slot moves it by a pixel.
    QProgressBar *bar = m_memoryPage->progressBar();
    const int pixel = int(qint64(slot - bar->minimum()) * bar->width() / qMax(1, bar->maximum() - bar->minimum()));
    if (pixel != m_progressPixel) {
        m_progressPixel = pixel;
        bar->setValue(slot);
    }
    const QString step = m_runningKind == Kind::WriteMemory ? tr("Writing channel %1 of %2")
                                                            : tr("Reading channel %1 of %2");
    m_statusBar->setText(step.arg(slot + 1).arg(CloneImage::ChannelCount));
}

void TransferPanel::stepFinished(Kind kind, const TransferResult &result)
{
    m_memoryPage->grid()->setBatching(false);
    m_stepTimer.stop();
    m_stepSlot = -1;
    // A failure's message comes first; pointer, buttons and progress bar
    // are reset once it has been closed. Write Changes reports at its end.
    if (result.ok()) {
        if (m_state != State::WritingChanges)
            m_statusBar->showResult(doneText(kind));
        if (kind != Kind::AutoSelect)
            m_transferOk = true;
    } else if (m_state != State::WritingChanges && result.outcome() != TransferResult::Outcome::Refused) {
        // The reason stays in the status bar, cut to the window's width;
        // the box shows it whole under the described text.
        const QString reason = SafeText::escaped(result.detail());
        m_statusBar->setText(reason);
        // A read keeps what arrived before the failure: said, with the way back.
        const QString kept = m_session.partsReadText();
        m_prompter.message(m_window, result.message(), ErrorCaption, Prompter::Icon::Critical,
                           kept.isEmpty() ? reason : reason + QStringLiteral("\n") + kept);
        if (kind == Kind::ReadSettings && result.outcome() == TransferResult::Outcome::Unexpected) {
            VfoGrid *vfo = m_settingsPage->vfoGrid();
            vfo->setCurrentIndex(vfo->model()->index(0, 0));
            vfo->selectRow(0);
        }
    }
    QApplication::restoreOverrideCursor();
    resetControls();
}

void TransferPanel::reportBackup(const SessionResult &result)
{
    if (result.backup != SessionResult::Backup::Failed)
        return;
    m_statusBar->setText(result.backupProblem);
    m_prompter.message(m_window, tr("The backup of the radio could not be written.\r\n%1").arg(result.backupProblem),
                       tr("Backup"), Prompter::Icon::Exclamation);
}

bool TransferPanel::confirmChanges(const ChangesQuestion &question)
{
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    const bool go = m_prompter.askOkCancelWithDetails(m_window, question.summary() + QStringLiteral("\n\n") + question.question(),
                                                      question.lines().join(QLatin1Char('\n')), tr(ChangesCaption),
                                                      Prompter::Icon::Exclamation)
        == Prompter::Answer::Ok;
    QApplication::restoreOverrideCursor();
    return go;
}

void TransferPanel::finishChanges(const SessionResult &result)
{
    const QString said = result.changesText();
    // The result replaces the last step shown, whatever it was; it is said
    // where no box says it.
    const TransferResult &transfer = result.transfer;
    const bool boxed = result.changes == SessionResult::Changes::NothingToWrite
        || result.changes == SessionResult::Changes::BackupFailed
        || (!transfer.ok() && transfer.outcome() != TransferResult::Outcome::Interrupted);
    if (boxed)
        m_statusBar->setText(said);
    else
        m_statusBar->showResult(said);
    switch (result.changes) {
    case SessionResult::Changes::NothingToWrite:
        m_prompter.message(m_window, said, tr(ChangesCaption), Prompter::Icon::Information);
        return;
    case SessionResult::Changes::BackupFailed:
        m_prompter.message(m_window, said, tr(ChangesCaption), Prompter::Icon::Critical);
        return;
    case SessionResult::Changes::Declined:
        return;
    case SessionResult::Changes::NotAsked:
    case SessionResult::Changes::Written:
        break;
    }
    if (transfer.ok() || transfer.outcome() == TransferResult::Outcome::Interrupted)
        return;
    const QString reason = SafeText::escaped(transfer.detail());
    m_statusBar->setText(reason);
    QString text = transfer.message();
    if (result.changes == SessionResult::Changes::Written)
        text += QStringLiteral("\r\n\r\n") + said;
    m_prompter.message(m_window, text, ErrorCaption, Prompter::Icon::Critical, reason);
}

QString TransferPanel::doneText(Kind kind) const
{
    const QString seconds = QString::number(double(m_clock.elapsed()) / 1000.0, 'f', 1);
    const bool all = m_state == State::All;
    switch (kind) {
    case Kind::ReadMemory:
        return (all ? tr("Read settings and %1 channels in %2 s") : tr("Read %1 channels in %2 s"))
            .arg(CloneImage::ChannelCount)
            .arg(seconds);
    case Kind::WriteMemory:
        return (all ? tr("Wrote settings and %1 channels in %2 s") : tr("Wrote %1 channels in %2 s"))
            .arg(CloneImage::ChannelCount)
            .arg(seconds);
    case Kind::ReadSettings:
        return tr("Read settings");
    case Kind::WriteSettings:
        return tr("Wrote settings");
    case Kind::AutoSelect:
        break;
    }
    return tr("Radio model: %1").arg(ImageReport::model(m_session.document().image()));
}

void TransferPanel::resetControls()
{
    for (QPushButton *button :
         {m_settingsPage->readSettingsButton(), m_settingsPage->writeSettingsButton(),
          m_memoryPage->readMemoryButton(), m_memoryPage->writeMemoryButton(),
          m_settingsPage->autoSelectButton()}) {
        button->setEnabled(true);
    }
    m_memoryPage->progressBar()->hide();
    m_memoryPage->progressBar()->setValue(0);
    m_memoryPage->stopButton()->hide();
}
