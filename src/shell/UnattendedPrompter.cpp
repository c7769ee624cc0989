#include "shell/UnattendedPrompter.h"

#include "codec/SafeText.h"

#include <cstdio>

void UnattendedPrompter::message(QWidget *parent, const QString &text, const QString &title, Icon icon,
                                 const QString &reason)
{
    if (!m_unattended) {
        m_inner.message(parent, text, title, icon, reason);
        return;
    }
    QString line = QStringLiteral("qtr70-clone: ") + title + QStringLiteral(": ") + QString(text).replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    if (!reason.isEmpty())
        line += QStringLiteral(": ") + reason;
    std::fprintf(stderr, "%s\n", qPrintable(SafeText::escaped(line)));
    std::fflush(stderr);
}

Prompter::Answer UnattendedPrompter::askYesNoCancel(QWidget *parent, const QString &text, const QString &title, Icon icon)
{
    return m_unattended ? Answer::Cancel : m_inner.askYesNoCancel(parent, text, title, icon);
}

Prompter::Answer UnattendedPrompter::askOkCancel(QWidget *parent, const QString &text, const QString &title, Icon icon,
                                                 Answer defaultButton)
{
    return m_unattended ? Answer::Cancel : m_inner.askOkCancel(parent, text, title, icon, defaultButton);
}

Prompter::Answer UnattendedPrompter::askOkCancelWithDetails(QWidget *parent, const QString &text, const QString &details,
                                                            const QString &title, Icon icon)
{
    return m_unattended ? Answer::Cancel : m_inner.askOkCancelWithDetails(parent, text, details, title, icon);
}

QString UnattendedPrompter::askText(QWidget *parent, const QString &label, const QString &title)
{
    return m_unattended ? QString() : m_inner.askText(parent, label, title);
}

int UnattendedPrompter::askChoice(QWidget *parent, const QString &label, const QString &title, const QStringList &items)
{
    return m_unattended ? -1 : m_inner.askChoice(parent, label, title, items);
}

bool UnattendedPrompter::confirmListImport(QWidget *parent, const ChannelListImport::Plan &plan, const QString &fileName)
{
    return !m_unattended && m_inner.confirmListImport(parent, plan, fileName);
}

QString UnattendedPrompter::openFileName(QWidget *parent, const QString &filter, const QString &startName)
{
    return m_unattended ? QString() : m_inner.openFileName(parent, filter, startName);
}

QString UnattendedPrompter::saveFileName(QWidget *parent, const QString &filter, const QString &startName,
                                         const QString &defaultSuffix)
{
    return m_unattended ? QString() : m_inner.saveFileName(parent, filter, startName, defaultSuffix);
}
