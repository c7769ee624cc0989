#pragma once

#include "report/ReportOptions.h"

#include <QDialog>

class QCheckBox;
class QComboBox;

// "Export PDF": paper size, orientation, whether every channel row is
// listed, and whether the PDF opens in the system's viewer once written.
// Paper and orientation are remembered per user (the first time the
// paper follows the locale).
class PdfExportDialog : public QDialog
{
    Q_OBJECT
public:
    explicit PdfExportDialog(QWidget *parent = nullptr);

    // The options as chosen (allRows, paper, orientation).
    ReportOptions options() const;
    bool openAfterSaving() const;
    // Keeps the paper and orientation for the next time.
    void remember() const;

private:
    QComboBox *m_paper = nullptr;
    QComboBox *m_orientation = nullptr;
    QCheckBox *m_allRows = nullptr;
    QCheckBox *m_openAfter = nullptr;
};
