#pragma once

#include "files/ChannelListImport.h"

#include <QString>
#include <QStringList>

class QWidget;

// Every message box and file dialog of the desktop program goes through
// this interface; the program uses DesktopPrompter, tests script answers.
class Prompter
{
public:
    enum class Icon { Critical, Information, Exclamation };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~Prompter() = default;

    // A message with a single OK button; `reason` (what happened and what
    // to do), when given, stands under the text.
    virtual void message(QWidget *parent, const QString &text, const QString &title, Icon icon,
                         const QString &reason = QString()) = 0;
    // Yes / No / Cancel; closing the box answers Cancel.
    virtual Answer askYesNoCancel(QWidget *parent, const QString &text, const QString &title,
                                  Icon icon) = 0;
    // OK / Cancel with the given default button; closing the box answers Cancel.
    virtual Answer askOkCancel(QWidget *parent, const QString &text, const QString &title,
                               Icon icon, Answer defaultButton) = 0;
    // OK / Cancel, Cancel the default, with `details` (a long list) in a
    // scrolling area under the text.
    virtual Answer askOkCancelWithDetails(QWidget *parent, const QString &text, const QString &details,
                                          const QString &title, Icon icon) = 0;
    // A line of text; empty when cancelled.
    virtual QString askText(QWidget *parent, const QString &label, const QString &title) = 0;
    // One of `items`, the first preselected: its position, -1 when cancelled.
    virtual int askChoice(QWidget *parent, const QString &label, const QString &title, const QStringList &items) = 0;
    // What importing a channel list from `fileName` will do, row by row:
    // true to store it.
    virtual bool confirmListImport(QWidget *parent, const ChannelListImport::Plan &plan, const QString &fileName) = 0;
    // File dialogs. `filter` is in Qt's form ("Clone Files (*.R70);;All Files (*.*)"),
    // the first entry selected. Open: the file must exist. Save: asks before
    // overwriting; `defaultSuffix` ("pdf"), when given, is added to a name
    // typed without one (before that question), else nothing is added. An
    // empty result means cancelled.
    virtual QString openFileName(QWidget *parent, const QString &filter, const QString &startName) = 0;
    virtual QString saveFileName(QWidget *parent, const QString &filter, const QString &startName,
                                 const QString &defaultSuffix = QString()) = 0;
};
