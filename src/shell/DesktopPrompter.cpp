#include "shell/DesktopPrompter.h"

#include "shell/ImportPreviewDialog.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

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

void DesktopPrompter::message(QWidget *parent, const QString &text, const QString &title, Icon icon,
                              const QString &reason)
{
    QMessageBox box(boxIcon(icon), title, text, QMessageBox::Ok, parent);
    box.setInformativeText(reason);
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

Prompter::Answer DesktopPrompter::askOkCancelWithDetails(QWidget *parent, const QString &text,
                                                         const QString &details, const QString &title,
                                                         Icon icon)
{
    // A message box grows with its text; a long list goes into a scrolling
    // area so that the buttons stay on the screen.
    QDialog box(parent);
    box.setWindowTitle(title);
    auto *symbol = new QLabel(&box);
    const int size = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box);
    const QStyle::StandardPixmap pixmap = icon == Icon::Critical ? QStyle::SP_MessageBoxCritical
        : icon == Icon::Exclamation                               ? QStyle::SP_MessageBoxWarning
                                                                  : QStyle::SP_MessageBoxInformation;
    symbol->setPixmap(box.style()->standardIcon(pixmap, nullptr, &box).pixmap(size, size));
    auto *label = new QLabel(text, &box);
    label->setWordWrap(true);
    auto *list = new QPlainTextEdit(details, &box);
    list->setObjectName(QStringLiteral("details"));
    list->setReadOnly(true);
    list->setLineWrapMode(QPlainTextEdit::NoWrap);
    list->setMinimumWidth(QFontMetrics(list->font()).averageCharWidth() * 80);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &box);
    buttons->button(QDialogButtonBox::Cancel)->setDefault(true);
    buttons->button(QDialogButtonBox::Cancel)->setFocus();
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &box, &QDialog::reject);
    auto *top = new QHBoxLayout;
    top->addWidget(symbol, 0, Qt::AlignTop);
    top->addWidget(label, 1);
    auto *layout = new QVBoxLayout(&box);
    layout->addLayout(top);
    layout->addWidget(list, 1);
    layout->addWidget(buttons);
    return box.exec() == QDialog::Accepted ? Answer::Ok : Answer::Cancel;
}

QString DesktopPrompter::askText(QWidget *parent, const QString &label, const QString &title)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(label);
    fitTitle(dialog);
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

int DesktopPrompter::askChoice(QWidget *parent, const QString &label, const QString &title, const QStringList &items)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(label);
    dialog.setComboBoxItems(items);
    dialog.setComboBoxEditable(false);
    fitTitle(dialog);
    return dialog.exec() == QDialog::Accepted ? int(items.indexOf(dialog.textValue())) : -1;
}

void DesktopPrompter::fitTitle(QDialog &dialog)
{
    // Room for the whole caption beside the title bar's buttons.
    constexpr int TitleBarButtons = 120;
    const QFontMetrics title(QApplication::font("QMdiSubWindowTitleBar"));
    dialog.setMinimumWidth(title.horizontalAdvance(dialog.windowTitle()) + TitleBarButtons);
}

std::unique_ptr<QFileDialog> DesktopPrompter::fileDialog(QWidget *parent, const QString &filter,
                                                         const QString &startName, QFileDialog::AcceptMode mode)
{
    auto dialog = std::make_unique<QFileDialog>(parent, QString(), startName, filter);
    dialog->setAcceptMode(mode);
    dialog->setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
#ifndef Q_OS_WIN
    // Qt's own dialog, whose list this program can tell to show every file.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
#endif
    dialog->selectNameFilter(firstFilter(filter));
    // Its two lists are named by the captions beside them.
    const std::pair<const char *, const char *> captions[] = {{"lookInLabel", "lookInCombo"},
                                                              {"fileTypeLabel", "fileTypeCombo"}};
    for (const auto &[label, list] : captions) {
        auto *caption = dialog->findChild<QLabel *>(QLatin1String(label));
        if (caption)
            caption->setBuddy(dialog->findChild<QWidget *>(QLatin1String(list)));
    }
    // "All Files (*.*)" says every file, and names without a dot are files
    // too (a clone file may be saved without an extension): the pattern
    // matches them all while the text stays as it is.
    QFileDialog *shown = dialog.get();
    const auto matchAll = [shown](const QString &selected) {
        auto *files = shown->findChild<QFileSystemModel *>();
        if (files && selected.endsWith(QLatin1String("(*.*)")))
            files->setNameFilters({QStringLiteral("*")});
    };
    QObject::connect(shown, &QFileDialog::filterSelected, shown, matchAll);
    matchAll(dialog->selectedNameFilter());
    return dialog;
}

QString DesktopPrompter::openFileName(QWidget *parent, const QString &filter,
                                      const QString &startName)
{
    return chosenFile(*fileDialog(parent, filter, startName, QFileDialog::AcceptOpen), parent);
}

QString DesktopPrompter::saveFileName(QWidget *parent, const QString &filter, const QString &startName,
                                      const QString &defaultSuffix)
{
    const auto dialog = fileDialog(parent, filter, startName, QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(defaultSuffix);
    return chosenFile(*dialog, parent);
}

QString DesktopPrompter::chosenFile(QFileDialog &dialog, QWidget *parent)
{
    const bool accepted = dialog.exec() == QDialog::Accepted;
    // Enter with the name's completion list open can leave the window the
    // dialog belonged to inactive while it has the keyboard: a screen
    // reader then hears no focus at all. It is made active again.
    if (parent)
        QApplication::setActiveWindow(parent->window());
    return accepted ? dialog.selectedFiles().value(0) : QString();
}

bool DesktopPrompter::confirmListImport(QWidget *parent, const ChannelListImport::Plan &plan, const QString &fileName)
{
    ImportPreviewDialog preview(plan, fileName, parent);
    return preview.exec() == QDialog::Accepted;
}
