#pragma once

#include "edit/Prompter.h"

#include <QList>
#include <QQueue>
#include <QString>

#include <functional>

class ImportPreviewDialog;

// A Prompter for tests: records every prompt and answers from queues.
// An unscripted question answers Cancel; an unscripted file dialog is
// cancelled.
class ScriptedPrompter : public Prompter
{
public:
    struct Shown
    {
        enum class Kind { Message, YesNoCancel, OkCancel, Open, Save, Preview, Choice, Text } kind;
        QString text;   // message text, or the file filter
        QString title;  // caption, or the start name of a file dialog
        Icon icon = Icon::Information;
        Answer defaultButton = Answer::Ok;
        QString reason; // a message's reason under its text
        QStringList items; // a choice's items
    };

    QQueue<Answer> answers;
    // Runs as each message is shown (to look at the window meanwhile).
    std::function<void()> onMessage;
    QQueue<QString> fileNames;
    // Answers to askText() and askChoice() (the item's text); an
    // unscripted one is cancelled.
    QQueue<QString> texts;
    QList<Shown> shown;
    // Runs while an import preview is shown, before its OK or Cancel
    // button is pressed by the next answer (Cancel when unscripted).
    std::function<void(ImportPreviewDialog &)> onPreview;

    void message(QWidget *parent, const QString &text, const QString &title, Icon icon,
                 const QString &reason = QString()) override;
    Answer askYesNoCancel(QWidget *parent, const QString &text, const QString &title,
                          Icon icon) override;
    Answer askOkCancel(QWidget *parent, const QString &text, const QString &title, Icon icon,
                       Answer defaultButton) override;
    // Recorded as an OK / Cancel question whose text is the text, a blank
    // line and the details.
    Answer askOkCancelWithDetails(QWidget *parent, const QString &text, const QString &details,
                                  const QString &title, Icon icon) override;
    QString askText(QWidget *parent, const QString &label, const QString &title) override;
    int askChoice(QWidget *parent, const QString &label, const QString &title, const QStringList &items) override;
    // Shows the real preview and presses its button; recorded with the
    // summary as text and the file name as title.
    bool confirmListImport(QWidget *parent, const ChannelListImport::Plan &plan, const QString &fileName) override;
    QString openFileName(QWidget *parent, const QString &filter, const QString &startName) override;
    QString saveFileName(QWidget *parent, const QString &filter, const QString &startName,
                         const QString &defaultSuffix = QString()) override;

    // Texts of the messages shown, in order.
    QStringList messages() const;
};
