#include "shell/RecoveryKeeper.h"

#include "app/CloneDocument.h"
#include "codec/SafeText.h"
#include "edit/Prompter.h"

#include <QDateTime>
#include <QFileInfo>
#include <QLocale>

#include <cstdio>

RecoveryKeeper::RecoveryKeeper(CloneDocument &document, Prompter &prompter, QWidget *window, const QString &folder,
                               QObject *parent)
    : QObject(parent), m_document(document), m_prompter(prompter), m_window(window), m_store(folder)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &RecoveryKeeper::update);
    connect(&m_document, &CloneDocument::channelsChanged, this, &RecoveryKeeper::changed);
    connect(&m_document, &CloneDocument::vfoChanged, this, &RecoveryKeeper::changed);
    connect(&m_document, &CloneDocument::settingsChanged, this, &RecoveryKeeper::changed);
    connect(&m_document, &CloneDocument::modelChanged, this, &RecoveryKeeper::changed);
    connect(&m_document.history(), &QUndoStack::indexChanged, this, &RecoveryKeeper::changed);
    connect(&m_document.history(), &QUndoStack::cleanChanged, this, &RecoveryKeeper::changed);
}

void RecoveryKeeper::changed()
{
    // Not at every keystroke: a few seconds after the first change since
    // the copy was last kept. A document back at its saved state needs none.
    if (!m_document.hasUnsavedChanges())
        update();
    else if (!m_timer.isActive())
        m_timer.start(DelayMs);
}

void RecoveryKeeper::update()
{
    m_timer.stop();
    if (!m_document.hasUnsavedChanges()) {
        m_store.discard();
        return;
    }
    m_document.encodeSettingsLines();
    const FileResult kept = m_store.keep(m_document.image(), m_document.fileName(), QDateTime::currentDateTime());
    if (!kept.ok())
        std::fputs(qPrintable(tr("qtr70-clone: the recovery copy could not be kept: %1\n").arg(SafeText::escaped(kept.detail()))),
                   stderr);
}

void RecoveryKeeper::keepNow()
{
    update();
}

void RecoveryKeeper::discard()
{
    m_timer.stop();
    m_store.discard();
}

bool RecoveryKeeper::offerOrphans(const Adopt &adopt)
{
    for (const RecoveryStore::Orphan &orphan : m_store.orphans()) {
        const QString name = orphan.documentPath.isEmpty() ? tr("a new document")
                                                           : QFileInfo(orphan.documentPath).fileName();
        const QString text =
            tr("Unsaved changes to %1 were kept when the program ended (%2).\r\n"
                           "Restore them?\r\n\r\n"
                           "No deletes the kept copy; Cancel keeps it for the next start.")
                .arg(SafeText::escaped(name), QLocale().toString(orphan.when, QLocale::ShortFormat));
        switch (m_prompter.askYesNoCancel(m_window, text, tr("Restore Changes"), Prompter::Icon::Exclamation)) {
        case Prompter::Answer::Yes: {
            CloneImage image = m_document.image();
            if (const FileResult loaded = RecoveryStore::load(orphan, image); !loaded.ok()) {
                m_prompter.message(m_window, loaded.message(), QStringLiteral("ERROR"), Prompter::Icon::Critical,
                                   SafeText::escaped(loaded.detail()));
                continue;
            }
            adopt(image, orphan.documentPath);
            keepNow();  // this window's own copy before the old one goes
            RecoveryStore::remove(orphan);
            return true;
        }
        case Prompter::Answer::No:
            RecoveryStore::remove(orphan);
            break;
        default:
            break;
        }
    }
    return false;
}
