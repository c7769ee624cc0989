#pragma once

#include "edit/Prompter.h"

// Every prompt of the window passes through here to the prompter it
// wraps. Once the window is unattended (it is being ended by a signal:
// nobody is there to answer), a message goes to the error stream instead
// of a box, every question is answered Cancel and every file dialog is
// cancelled, so that nothing holds the window open.
class UnattendedPrompter : public Prompter
{
public:
    explicit UnattendedPrompter(Prompter &inner) : m_inner(inner) {}

    void setUnattended(bool on) { m_unattended = on; }
    bool isUnattended() const { return m_unattended; }

    void message(QWidget *parent, const QString &text, const QString &title, Icon icon,
                 const QString &reason = QString()) override;
    Answer askYesNoCancel(QWidget *parent, const QString &text, const QString &title, Icon icon) override;
    Answer askOkCancel(QWidget *parent, const QString &text, const QString &title, Icon icon,
                       Answer defaultButton) override;
    Answer askOkCancelWithDetails(QWidget *parent, const QString &text, const QString &details,
                                  const QString &title, Icon icon) override;
    QString askText(QWidget *parent, const QString &label, const QString &title) override;
    int askChoice(QWidget *parent, const QString &label, const QString &title, const QStringList &items) override;
    bool confirmListImport(QWidget *parent, const ChannelListImport::Plan &plan, const QString &fileName) override;
    QString openFileName(QWidget *parent, const QString &filter, const QString &startName) override;
    QString saveFileName(QWidget *parent, const QString &filter, const QString &startName,
                         const QString &defaultSuffix = QString()) override;

private:
    Prompter &m_inner;
    bool m_unattended = false;
};
