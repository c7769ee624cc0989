#include "DesktopPrompter.h"

#include <QFileDialog>
#include <QMessageBox>

namespace {

QMessageBox::Icon boxIcon(Prompter::Icon icon)
{
    switch (icon) {
    case Prompter::Icon::Critical:
        return QMessageBox::Critical;
    case Prompter::Icon::Exclamation:
        return QMessageBox::Warning;
    case Prompter::Icon::Information:
        break;
    }
    return QMessageBox::Information;
}

Prompter::Answer answerOf(int button)
{
    switch (button) {
    case QMessageBox::Ok:
        return Prompter::Answer::Ok;
    case QMessageBox::Yes:
        return Prompter::Answer::Yes;
    case QMessageBox::No:
        return Prompter::Answer::No;
    default:
        break;
    }
    return Prompter::Answer::Cancel;
}

// The first entry of a filter list: the one selected when a dialog opens.
QString firstFilter(const QString &filter)
{
    return filter.section(QStringLiteral(";;"), 0, 0);
}

} // namespace

void DesktopPrompter::message(QWidget *parent, const QString &text, const QString &title, Icon icon)
{
    QMessageBox box(boxIcon(icon), title, text, QMessageBox::Ok, parent);
    box.exec();
}

Prompter::Answer DesktopPrompter::askYesNoCancel(QWidget *parent, const QString &text,
                                                 const QString &title, Icon icon)
{
    QMessageBox box(boxIcon(icon), title, text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    return answerOf(box.exec());
}

Prompter::Answer DesktopPrompter::askOkCancel(QWidget *parent, const QString &text,
                                              const QString &title, Icon icon,
                                              Answer defaultButton)
{
    QMessageBox box(boxIcon(icon), title, text, QMessageBox::Ok | QMessageBox::Cancel, parent);
    box.setDefaultButton(defaultButton == Answer::Ok ? QMessageBox::Ok : QMessageBox::Cancel);
    box.setEscapeButton(QMessageBox::Cancel);
    return answerOf(box.exec());
}

QString DesktopPrompter::openFileName(QWidget *parent, const QString &filter,
                                      const QString &startName)
{
    QString selected = firstFilter(filter);
    return QFileDialog::getOpenFileName(parent, QString(), startName, filter, &selected);
}

QString DesktopPrompter::saveFileName(QWidget *parent, const QString &filter,
                                      const QString &startName)
{
    QString selected = firstFilter(filter);
    return QFileDialog::getSaveFileName(parent, QString(), startName, filter, &selected);
}
