#pragma once

#include "files/RecoveryStore.h"

#include <QObject>
#include <QTimer>

#include <functional>

class CloneDocument;
class Prompter;
class QWidget;

// Keeps a recovery copy of the window's document while it has unsaved
// changes, so that whatever ends the window (a crash, a kill, a power
// loss, a signal) loses no edit: written DelayMs after a change (and again
// after later changes), removed as soon as the document has no unsaved
// changes (saved, opened, begun anew, undone back) and when the user
// closes the window. At start it offers the copies that windows which
// ended left behind.
class RecoveryKeeper : public QObject
{
    Q_OBJECT
public:
    static constexpr int DelayMs = 3000;
    // Puts a restored image into the document, as belonging to `documentPath`.
    using Adopt = std::function<void(const CloneImage &image, const QString &documentPath)>;

    RecoveryKeeper(CloneDocument &document, Prompter &prompter, QWidget *window, const QString &folder,
                   QObject *parent = nullptr);

    // Looks again at once: keeps a copy, or removes it when there is
    // nothing unsaved.
    void update();
    // Keeps a copy now when there are unsaved changes (the window is about
    // to end without asking).
    void keepNow();
    // The user closes the window, having saved or declined to: no copy.
    void discard();
    // The copy this window keeps now; empty when none.
    QString copyPath() const { return m_store.copyPath(); }

    // Asks about each copy left behind, newest first: Yes restores it
    // through `adopt` (and asks no more), No deletes it, Cancel keeps it
    // for the next start. True when one was restored.
    bool offerOrphans(const Adopt &adopt);

private:
    void changed();

    CloneDocument &m_document;
    Prompter &m_prompter;
    QWidget *m_window;
    RecoveryStore m_store;
    QTimer m_timer;
};
