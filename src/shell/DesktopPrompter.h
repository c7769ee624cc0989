#pragma once

#include "edit/Prompter.h"

#include <QFileDialog>

#include <memory>

// Message boxes and file dialogs of the desktop: QMessageBox, QFileDialog.
class DesktopPrompter : public Prompter
{
public:
    void message(QWidget *parent, const QString &text, const QString &title, Icon icon,
                 const QString &reason = QString()) override;
    Answer askYesNoCancel(QWidget *parent, const QString &text, const QString &title,
                          Icon icon) override;
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

    // The dialog the two above show: the first filter selected, Qt's own
    // dialog where it can show every file for "All Files (*.*)".
    static std::unique_ptr<QFileDialog> fileDialog(QWidget *parent, const QString &filter, const QString &startName,
                                                   QFileDialog::AcceptMode mode);
    // Makes a dialog wide enough to show its whole caption.
    static void fitTitle(QDialog &dialog);
    // Runs a file dialog: the chosen file, empty when cancelled; the window
    // it belonged to is active again afterwards.
    static QString chosenFile(QFileDialog &dialog, QWidget *parent);
};
