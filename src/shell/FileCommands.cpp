#include "shell/FileCommands.h"

#include "app/CloneDocument.h"
#include "codec/Counted.h"
#include "codec/ChannelLabel.h"
#include "codec/SafeText.h"
#include "codec/Vocabulary.h"
#include "edit/MemoryGrid.h"
#include "edit/Prompter.h"
#include "files/ChannelListExport.h"
#include "files/ChannelListImport.h"
#include "files/CloneFile.h"
#include "files/CsvExchange.h"
#include "files/FileResult.h"
#include "files/SavePrompt.h"
#include "report/ReportPdf.h"
#include "shell/BackupsDialog.h"
#include "shell/MainStatusBar.h"
#include "shell/PdfExportDialog.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace {

const QString ErrorCaption = QStringLiteral("ERROR");
// Nothing the window reads or writes may hold it up: a FIFO is never read,
// and one without a reader is never waited for.
constexpr FileAccess WindowAccess = FileAccess::NeverBlock;

} // namespace

QString FileCommands::cloneFileFilter()
{
    return QStringLiteral("Korvan QT-R70 Clone Files (*.R70);;All Files (*.*)");
}

QString FileCommands::csvFileFilter()
{
    return QStringLiteral("CSV Files (*.csv);;All Files (*.*)");
}

QString FileCommands::pdfFileFilter()
{
    return tr("PDF Files (*.pdf);;All Files (*.*)");
}

FileCommands::FileCommands(CloneDocument &document, Prompter &prompter, QWidget *window, MainStatusBar *statusBar,
                           MemoryGrid *memoryGrid, QObject *parent)
    : QObject(parent),
      m_document(document),
      m_prompter(prompter),
      m_window(window),
      m_statusBar(statusBar),
      m_memoryGrid(memoryGrid),
      m_openDocument([](const QString &path) { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); })
{
}

bool FileCommands::confirmSaveChanges()
{
    const auto ask = [this] {
        const Prompter::Answer answer = m_prompter.askYesNoCancel(
            m_window, QStringLiteral("Save changes to settings?"), QStringLiteral("Save Changes"),
            Prompter::Icon::Information);
        switch (answer) {
        case Prompter::Answer::Yes:
            return SavePrompt::Answer::Yes;
        case Prompter::Answer::No:
            return SavePrompt::Answer::No;
        default:
            break;
        }
        return SavePrompt::Answer::Cancel;
    };
    return SavePrompt::confirm(m_document, ask, [this] { return save(); });
}

QString FileCommands::proposedName(const QString &suffix) const
{
    // The clone file's name with the export's suffix, beside it; without a
    // clone file, in the folder of the name chosen last.
    const QFileInfo clone(m_document.fileName());
    const QString base = m_document.fileName().isEmpty() ? QStringLiteral("channels") : clone.completeBaseName();
    const QString folder = m_document.fileName().isEmpty() ? QFileInfo(m_commonDialogFileName).path() : clone.path();
    const QString name = base + QLatin1Char('.') + suffix;
    return m_commonDialogFileName.isEmpty() && m_document.fileName().isEmpty() ? name : QDir(folder).filePath(name);
}

void FileCommands::becomeCurrent(const QString &path)
{
    m_document.setFileName(path);
    m_statusBar->setText(QString());
    emit captionChanged(CloneFile::captionFor(path));
    emit fileUsed(path);
}

void FileCommands::showFileError(const FileResult &result)
{
    // The described text, with the reason under it; the status bar keeps
    // the reason after the box is closed.
    const QString reason = SafeText::escaped(result.detail());
    m_statusBar->setText(reason);
    m_prompter.message(m_window, result.message(), ErrorCaption, Prompter::Icon::Critical, reason);
}

bool FileCommands::loadCloneFile(const QString &path)
{
    CloneImage image = m_document.image();
    const FileResult result = CloneFile::load(path, image, WindowAccess);
    if (!result.ok()) {
        showFileError(result);
        return false;
    }
    m_document.setImage(image);
    m_document.setBaseline(image);
    m_document.startHistory();
    becomeCurrent(path);
    return true;
}

void FileCommands::adoptRecovered(const CloneImage &image, const QString &documentPath)
{
    m_document.setImage(image);
    m_document.setBaseline(image);
    m_document.startHistory();
    m_document.markTouched();
    m_document.setFileName(documentPath);
    emit captionChanged(documentPath.isEmpty() ? Vocabulary::appTitle() : CloneFile::captionFor(documentPath));
    m_statusBar->showResult(tr("Restored the unsaved changes; save them to keep them"));
}

bool FileCommands::writeCloneFile(const QString &path)
{
    m_document.encodeSettingsLines();
    const FileResult result = CloneFile::write(path, m_document.image(), WindowAccess);
    if (!result.ok()) {
        showFileError(result);
        return false;
    }
    m_document.markSaved();
    becomeCurrent(path);
    return true;
}

bool FileCommands::save()
{
    if (!m_document.fileName().isEmpty())
        return writeCloneFile(m_document.fileName());
    return saveAs();
}

bool FileCommands::saveAs()
{
    const QString path = m_prompter.saveFileName(m_window, cloneFileFilter(), m_commonDialogFileName);
    if (path.isEmpty())
        return false;
    m_commonDialogFileName = path;
    return writeCloneFile(path);
}

void FileCommands::newFile()
{
    if (!confirmSaveChanges())
        return;
    m_document.setImage(CloneImage::factory(m_document.image().modelVariant, m_document.image().extendedRange));
    m_document.setBaseline(m_document.image());
    m_document.startHistory();
    m_document.setFileName(QString());
    emit captionChanged(Vocabulary::appTitle());
}

void FileCommands::open()
{
    if (!confirmSaveChanges())
        return;
    const QString path = m_prompter.openFileName(m_window, cloneFileFilter(), m_commonDialogFileName);
    if (path.isEmpty())
        return;
    m_commonDialogFileName = path;
    loadCloneFile(path);
}

void FileCommands::openBackup()
{
    BackupsDialog backups(m_backups, m_document.image(), m_window);
    if (backups.exec() != QDialog::Accepted || !confirmSaveChanges())
        return;
    loadCloneFile(backups.chosenPath());
}

void FileCommands::exportCsv()
{
    const QString path = m_prompter.saveFileName(m_window, csvFileFilter(), m_commonDialogFileName);
    if (path.isEmpty())
        return;
    m_commonDialogFileName = path;
    const FileResult result = CsvExchange::exportFile(m_document.image(), path, WindowAccess);
    if (!result.ok()) {
        showFileError(result);
        return;
    }
    // The next Save asks for a clone file name; the caption shows the CSV.
    m_document.setFileName(QString());
    m_statusBar->setText(QString());
    emit captionChanged(CloneFile::captionFor(path));
}

void FileCommands::exportPdf()
{
    PdfExportDialog options(m_window);
    if (options.exec() != QDialog::Accepted)
        return;
    options.remember();
    const QString path = m_prompter.saveFileName(m_window, pdfFileFilter(), proposedName(QStringLiteral("pdf")),
                                                 QStringLiteral("pdf"));
    if (path.isEmpty())
        return;
    ReportOptions report = options.options();
    report.fileName = m_document.fileName();
    const FileResult result = ReportPdf::write(path, m_document.image(), report, WindowAccess);
    if (!result.ok()) {
        showFileError(result);
        return;
    }
    m_statusBar->showResult(tr("Wrote %1").arg(QFileInfo(path).fileName()));
    if (options.openAfterSaving())
        m_openDocument(path);
}

void FileCommands::importCsv()
{
    const QString path = m_prompter.openFileName(m_window, csvFileFilter(), m_commonDialogFileName);
    if (path.isEmpty())
        return;
    m_commonDialogFileName = path;
    const CsvExchange::ImportResult result = CsvExchange::importFile(path, m_document.image(), WindowAccess);
    if (!result.file.ok()) {
        showFileError(result.file);
        return;
    }
    if (result.stored()) {
        const CloneDocument::Step step(m_document, tr("Import %1").arg(QFileInfo(path).fileName()),
                                 CloneDocument::StepKind::Touch);
        m_document.setImage(result.image);
    }
    m_document.setFileName(QString());
    emit captionChanged(Vocabulary::appTitle());
    m_memoryGrid->selectDataRow(0);
    QString text = tr("Imported %1 and %2; %3 dropped")
                       .arg(Counted::text(result.channels, Counted::Noun::Channel),
                            Counted::text(result.vfos, Counted::Noun::VfoRecord),
                            Counted::text(result.dropped, Counted::Noun::Record));
    if (!result.refused.isEmpty())
        text += tr("; refused: %1").arg(SafeText::escaped(result.refused.join(QStringLiteral("; "))));
    m_statusBar->showResult(text);
}

void FileCommands::importList()
{
    const QString path = m_prompter.openFileName(m_window, csvFileFilter(), m_commonDialogFileName);
    if (path.isEmpty())
        return;
    m_commonDialogFileName = path;
    const int first = qMax(0, m_memoryGrid->currentDataRow());
    const ChannelListImport::Plan plan = ChannelListImport::planFile(path, m_document.image(),
                                                                      ChannelListImport::Placement::FromSlot, first,
                                                                      WindowAccess);
    if (!plan.file.ok()) {
        showFileError(plan.file);
        return;
    }
    const QString name = QFileInfo(path).fileName();
    if (!m_prompter.confirmListImport(m_window, plan, name))
        return;
    QList<int> stored;
    for (const ChannelListImport::Row &row : plan.rows) {
        if (row.stored())
            stored.append(row.slot);
    }
    {
        const CloneDocument::Step step(m_document, tr("Import %1").arg(name), CloneDocument::StepKind::Touch);
        m_document.setImage(plan.appliedTo(m_document.image()));
    }
    m_memoryGrid->selectRows(stored);
    QString text = tr("Imported %1 from %2").arg(Counted::text(int(stored.size()), Counted::Noun::Channel), name);
    if (plan.refusedCount() > 0)
        text += tr("; %1 not stored").arg(Counted::text(plan.refusedCount(), Counted::Noun::Row));
    m_statusBar->showResult(SafeText::escaped(text));
}

void FileCommands::exportList()
{
    const QString path = m_prompter.saveFileName(m_window, csvFileFilter(), proposedName(QStringLiteral("csv")),
                                                 QStringLiteral("csv"));
    if (path.isEmpty())
        return;
    m_commonDialogFileName = path;
    const FileResult result = ChannelListExport::write(path, m_document.image(), ChannelListExport::Slots::InUse,
                                                       WindowAccess);
    if (!result.ok()) {
        showFileError(result);
        return;
    }
    const int rows = ChannelListExport::rowCount(m_document.image(), ChannelListExport::Slots::InUse);
    m_statusBar->showResult(SafeText::escaped(tr("Wrote %1 to %2")
                                                      .arg(Counted::text(rows, Counted::Noun::Channel),
                                                           QFileInfo(path).fileName())));
}
