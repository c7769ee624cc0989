#include "ScriptedPrompter.h"

#include <QFileInfo>

#include "shell/ImportPreviewDialog.h"

#include <QDialogButtonBox>
#include <QPushButton>

void ScriptedPrompter::message(QWidget *, const QString &text, const QString &title, Icon icon,
                               const QString &reason)
{
    shown.append({Shown::Kind::Message, text, title, icon, Answer::Ok, reason});
    if (onMessage)
        onMessage();
}

Prompter::Answer ScriptedPrompter::askYesNoCancel(QWidget *, const QString &text,
                                                  const QString &title, Icon icon)
{
    shown.append({Shown::Kind::YesNoCancel, text, title, icon, Answer::Yes, QString()});
    return answers.isEmpty() ? Answer::Cancel : answers.dequeue();
}

Prompter::Answer ScriptedPrompter::askOkCancel(QWidget *, const QString &text, const QString &title,
                                               Icon icon, Answer defaultButton)
{
    shown.append({Shown::Kind::OkCancel, text, title, icon, defaultButton, QString()});
    return answers.isEmpty() ? Answer::Cancel : answers.dequeue();
}

Prompter::Answer ScriptedPrompter::askOkCancelWithDetails(QWidget *parent, const QString &text,
                                                          const QString &details, const QString &title, Icon icon)
{
    return askOkCancel(parent, text + QStringLiteral("\n\n") + details, title, icon, Answer::Cancel);
}

QString ScriptedPrompter::openFileName(QWidget *, const QString &filter, const QString &startName)
{
    shown.append({Shown::Kind::Open, filter, startName, Icon::Information, Answer::Ok, QString()});
    return fileNames.isEmpty() ? QString() : fileNames.dequeue();
}

QString ScriptedPrompter::saveFileName(QWidget *, const QString &filter, const QString &startName,
                                       const QString &defaultSuffix)
{
    shown.append({Shown::Kind::Save, filter, startName, Icon::Information, Answer::Ok, QString()});
    QString name = fileNames.isEmpty() ? QString() : fileNames.dequeue();
    // As Qt's dialog does with a name typed without a suffix.
    if (!name.isEmpty() && !defaultSuffix.isEmpty() && QFileInfo(name).suffix().isEmpty())
        name += QLatin1Char('.') + defaultSuffix;
    return name;
}

QString ScriptedPrompter::askText(QWidget *, const QString &label, const QString &title)
{
    shown.append({Shown::Kind::Text, label, title, Icon::Information, Answer::Ok, QString(), {}});
    return texts.isEmpty() ? QString() : texts.dequeue();
}

int ScriptedPrompter::askChoice(QWidget *, const QString &label, const QString &title, const QStringList &items)
{
    shown.append({Shown::Kind::Choice, label, title, Icon::Information, Answer::Ok, QString(), items});
    return texts.isEmpty() ? -1 : int(items.indexOf(texts.dequeue()));
}

QStringList ScriptedPrompter::messages() const
{
    QStringList texts;
    for (const Shown &s : shown) {
        if (s.kind == Shown::Kind::Message)
            texts.append(s.text);
    }
    return texts;
}

bool ScriptedPrompter::confirmListImport(QWidget *parent, const ChannelListImport::Plan &plan, const QString &fileName)
{
    shown.append({Shown::Kind::Preview, plan.summary(), fileName, Icon::Information, Answer::Cancel, QString()});
    ImportPreviewDialog preview(plan, fileName, parent);
    preview.show();
    if (onPreview)
        onPreview(preview);
    const Answer answer = answers.isEmpty() ? Answer::Cancel : answers.dequeue();
    auto *buttons = preview.findChild<QDialogButtonBox *>();
    buttons->button(answer == Answer::Ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
    return preview.result() == QDialog::Accepted;
}
