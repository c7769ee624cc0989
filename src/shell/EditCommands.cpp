#include "shell/EditCommands.h"

#include "app/CloneDocument.h"
#include "app/DocumentEdits.h"
#include "codec/Counted.h"
#include "codec/ChannelLabel.h"
#include "codec/ChannelRules.h"
#include "edit/MemoryGrid.h"
#include "codec/ChannelOrder.h"
#include "codec/ChannelRules.h"
#include "codec/SafeText.h"
#include "codec/Vocabulary.h"
#include "edit/Prompter.h"
#include "edit/VfoGrid.h"
#include "edit/ChannelDialog.h"
#include "files/ChannelClipboard.h"
#include "shell/MainStatusBar.h"
#include "shell/StringTable.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>

#include <algorithm>

namespace {

const QString ClearCaption = QStringLiteral("CLEAR OK");
const QString ClearWarning = QStringLiteral("Clear cannot be undone.");
const char *const ClearUndoNote = QT_TRANSLATE_NOOP("EditCommands", "Edit > Undo gives them back.");
const QString ClearOneQuestion = QStringLiteral("Are you sure that you want to do the clear?");
const QString ClearAllQuestion = QStringLiteral("Are you sure that you want to clear all memory?");


} // namespace

EditCommands::EditCommands(CloneDocument &document, Prompter &prompter, QWidget *window, MainStatusBar *statusBar,
                           MemoryGrid *memoryGrid, VfoGrid *vfoGrid, QObject *parent)
    : QObject(parent),
      m_document(document),
      m_prompter(prompter),
      m_window(window),
      m_statusBar(statusBar),
      m_memoryGrid(memoryGrid),
      m_vfoGrid(vfoGrid)
{
}

ChannelDialog *EditCommands::editDialog()
{
    if (!m_editDialog) {
        m_editDialog = new ChannelDialog(m_document, m_prompter, m_window);
        // Every OK counts as an edit, also one the range check refuses.
        connect(m_editDialog, &ChannelDialog::okPressed, this, [this] { m_document.markTouched(); });
    }
    return m_editDialog;
}

void EditCommands::editChannel()
{
    const int row = m_memoryGrid->currentDataRow();
    if (!editDialog()->openForChannel(row))
        return;
    DocumentEdits::storeChannel(m_document, row, editDialog()->editedChannel());
}

void EditCommands::editVfo()
{
    const int row = m_vfoGrid->currentDataRow();
    if (!editDialog()->openForVfo(row))
        return;
    DocumentEdits::storeVfo(m_document, row, editDialog()->editedVfo());
}

void EditCommands::undo()
{
    m_document.undo();
}

void EditCommands::redo()
{
    m_document.redo();
}

void EditCommands::showHistory(QAction *undoEntry, QAction *redoEntry, const StringTable &strings, int undoId,
                               int redoId) const
{
    // "&" in a step's text (a file name) is no access key.
    const auto entry = [&strings](QAction *action, int captionId, bool can, QString step) {
        action->setEnabled(can);
        const QString caption = strings.text(captionId);
        action->setText(can ? caption + QStringLiteral(": ") + step.replace(QLatin1Char('&'), QStringLiteral("&&")) : caption);
    };
    const QUndoStack &history = m_document.history();
    entry(undoEntry, undoId, history.canUndo(), history.undoText());
    entry(redoEntry, redoId, history.canRedo(), history.redoText());
}

void EditCommands::copy()
{
    const QList<int> rows = m_memoryGrid->selectedDataRows();
    QGuiApplication::clipboard()->setText(ChannelClipboard::copyText(m_document.image(), rows));
    m_statusBar->showResult(tr("Copied %1").arg(DocumentEdits::channelsNamed(rows)));
}

void EditCommands::cut()
{
    copy();
    const QList<int> rows = m_memoryGrid->selectedDataRows();
    DocumentEdits::clearChannels(m_document, rows, tr("Cut %1"));
    m_statusBar->showResult(tr("Cut %1").arg(DocumentEdits::channelsNamed(rows)));
}

void EditCommands::paste()
{
    const ChannelClipboard::Paste paste =
        ChannelClipboard::read(QGuiApplication::clipboard()->text(), ChannelRules::of(m_document.image()));
    if (paste.tooLong) {
        const QString reason = tr("the clipboard holds more than %1 MB, more than any channel list")
                                   .arg(ChannelClipboard::MaxTextLength / (1024 * 1024));
        m_statusBar->setText(reason);
        m_prompter.message(m_window, QStringLiteral("Data Error"), QStringLiteral("ERROR"), Prompter::Icon::Critical, reason);
        return;
    }
    if (paste.rows.isEmpty()) {
        m_statusBar->showResult(tr("Nothing to paste: the clipboard holds no channel rows"));
        return;
    }
    const int first = m_memoryGrid->currentDataRow();
    const auto [stored, fitting] = DocumentEdits::paste(m_document, first, paste.rows);
    m_memoryGrid->selectDataRows(first, first + fitting - 1);

    QStringList problems = paste.problems;
    const int leftOver = int(paste.rows.size()) - fitting + paste.linesLeftOver;
    if (leftOver > 0)
        problems.append(tr("%1 did not fit below %2").arg(Counted::text(leftOver, Counted::Noun::Row),
                                                                      ChannelLabel::shortLabel(CloneImage::ChannelCount - 1)));
    m_statusBar->showResult(tr("Pasted %1 at %2").arg(Counted::text(stored, Counted::Noun::Channel), ChannelLabel::shortLabel(first)));
    if (problems.isEmpty())
        return;
    constexpr int ShownProblems = 12;
    QStringList shown = problems.mid(0, ShownProblems);
    if (problems.size() > ShownProblems)
        shown.append(tr("... and %1 more").arg(problems.size() - ShownProblems));
    m_prompter.message(m_window,
                       tr("%1 of %2 pasted; these rows were left as they were:\r\n\r\n%3")
                           .arg(QString::number(stored),
                                Counted::text(int(paste.rows.size()) + paste.linesLeftOver, Counted::Noun::Row),
                                shown.join(QStringLiteral("\r\n"))),
                       tr("Paste"), Prompter::Icon::Exclamation);
}

void EditCommands::moveChannels(int by)
{
    dropChannels(by, false);
}

void EditCommands::dropChannels(int by, bool copy)
{
    const QList<int> rows = m_memoryGrid->selectedDataRows();
    if (rows.constFirst() + by < 0 || rows.constLast() + by >= CloneImage::ChannelCount) {
        m_statusBar->showResult(tr("Nothing to move past %1")
                                        .arg(ChannelLabel::shortLabel(by < 0 ? 0 : CloneImage::ChannelCount - 1)));
        return;
    }
    const QList<int> moved = DocumentEdits::moveChannels(m_document, rows, by, copy);
    m_memoryGrid->selectRows(moved);
    // The rows moved stay in view, the first of them above all.
    m_memoryGrid->scrollTo(m_memoryGrid->model()->index(moved.constLast(), 0));
    m_memoryGrid->scrollTo(m_memoryGrid->model()->index(moved.constFirst(), 0));
}

void EditCommands::sortChannels()
{
    QList<int> rows = m_memoryGrid->selectedDataRows();
    if (rows.size() == 1)
        rows = ChannelLabel::bankRows(rows.constFirst());
    const QStringList keys = ChannelOrder::keyNames();
    const int key = m_prompter.askChoice(m_window, tr("Sort %1 by:").arg(ChannelLabel::rangesText(rows)),
                                         tr("Sort"), keys);
    if (key < 0)
        return;
    DocumentEdits::sortChannels(m_document, rows, ChannelOrder::Key(key), keys.at(key));
    m_memoryGrid->selectRows(rows);
}

std::optional<DocumentEdits::ColumnValue> EditCommands::askColumnItem(bool withSkip, const QString &target)
{
    static const QList<ChannelColumn> Columns =
        QList<ChannelColumn>(Vocabulary::ListedColumns.cbegin(), Vocabulary::ListedColumns.cend()) << ChannelColumn::Skip;
    const QStringList headers = ChannelLabel::memoryHeaders();
    QStringList names;
    for (const ChannelColumn column : Columns) {
        if (column != ChannelColumn::Skip || withSkip)
            names.append(headers.at(int(column)));
    }
    const QString title = tr("Set for Selected");
    const int pick = m_prompter.askChoice(m_window, tr("Column to set for %1:").arg(target), title, names);
    if (pick < 0)
        return std::nullopt;
    DocumentEdits::ColumnValue chosen;
    chosen.column = Columns[pick];
    chosen.caption = names.at(pick);
    const bool skip = chosen.column == ChannelColumn::Skip;
    const QStringList items = skip ? QStringList{QStringLiteral("Skip"), tr("No skip")} : Vocabulary::items(chosen.column);
    const int item = m_prompter.askChoice(m_window, tr("%1 for %2:").arg(chosen.caption, target), title, items);
    if (item < 0)
        return std::nullopt;
    chosen.item = items.at(item);
    chosen.value = skip ? (item == 0 ? 1 : 0) : Vocabulary::codeOfPosition(chosen.column, item);
    return chosen;
}

void EditCommands::setForSelected()
{
    const QList<int> rows = m_memoryGrid->selectedDataRows();
    const int inUse = int(std::count_if(rows.cbegin(), rows.cend(), [this](int row) { return m_document.channel(row).inUse; }));
    const auto chosen = askColumnItem(true, inUse == 1 ? tr("the selected channel in use")
                                                       : tr("the %1 selected channels in use").arg(inUse));
    if (!chosen)
        return;
    int set = 0;
    const QStringList refused = DocumentEdits::setColumn(m_document, rows, *chosen, set);
    m_statusBar->showResult(tr("Set %1 for %2").arg(chosen->caption, Counted::text(set, Counted::Noun::Channel)));
    if (!refused.isEmpty())
        m_prompter.message(m_window, tr("These channels were left as they were:\r\n\r\n%1").arg(refused.join(QStringLiteral("\r\n"))),
                           tr("Set for Selected"), Prompter::Icon::Exclamation);
}

void EditCommands::setForVfo()
{
    const int r = m_vfoGrid->currentDataRow();
    const auto chosen = askColumnItem(false, ChannelLabel::vfoLabel(r));
    if (!chosen)
        return;
    if (const auto problem = DocumentEdits::setVfoColumn(m_document, r, *chosen))
        m_prompter.message(m_window, *problem, tr("Set for Selected"), Prompter::Icon::Exclamation);
}

void EditCommands::moveVfo(int by)
{
    const int r = m_vfoGrid->currentDataRow();
    const int other = r + by;
    if (other < 0 || other >= CloneImage::VfoCount)
        return;
    DocumentEdits::swapVfos(m_document, r, other);
    m_vfoGrid->selectRow(other);
}

void EditCommands::goTo()
{
    const QString typed =
        m_prompter.askText(m_window, tr("Channel (155, A12, B-P2):"), tr("Go To")).trimmed();
    if (typed.isEmpty())
        return;
    const int row = ChannelLabel::rowOf(typed);
    if (row < 0) {
        m_statusBar->showResult(tr("No channel is labelled %1").arg(SafeText::escaped(typed)));
        return;
    }
    m_memoryGrid->selectDataRow(row);
    m_memoryGrid->scrollTo(m_memoryGrid->model()->index(row, 0));
    // The keyboard goes where the eye goes, wherever Go To was asked from.
    m_memoryGrid->setFocus(Qt::OtherFocusReason);
}

bool EditCommands::confirmClear(const QString &question, const QString &warning)
{
    const Prompter::Answer answer =
        m_prompter.askOkCancel(m_window, warning + QStringLiteral("\r\n") + question, ClearCaption,
                               Prompter::Icon::Exclamation, Prompter::Answer::Cancel);
    return answer == Prompter::Answer::Ok;
}

void EditCommands::clear()
{
    const QList<int> rows = m_memoryGrid->selectedDataRows();
    // Several rows: the question says how many and which, and that Undo
    // gives them back.
    const bool one = rows.size() == 1;
    const QString question = one ? ClearOneQuestion
                                 : tr("Are you sure that you want to clear these %1 channels: %2?")
                                       .arg(rows.size())
                                       .arg(ChannelLabel::rangesText(rows));
    if (!confirmClear(question, one ? ClearWarning : tr(ClearUndoNote)))
        return;
    DocumentEdits::clearChannels(m_document, rows, tr("Clear %1"));
}

void EditCommands::clearAll()
{
    if (!confirmClear(ClearAllQuestion, ClearWarning))
        return;
    DocumentEdits::clearAll(m_document);
}
