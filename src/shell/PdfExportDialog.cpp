#include "shell/PdfExportDialog.h"

#include "codec/Vocabulary.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLocale>
#include <QSettings>
#include <QVBoxLayout>

namespace {

const QString Group = QStringLiteral("ExportPdf");
const QString PaperKey = QStringLiteral("Paper");
const QString OrientationKey = QStringLiteral("Orientation");

} // namespace

PdfExportDialog::PdfExportDialog(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("dlgExportPdf"));
    setWindowTitle(tr("Export PDF"));

    m_paper = new QComboBox(this);
    m_paper->setObjectName(QStringLiteral("cmbPaper"));
    m_paper->addItem(QStringLiteral("A4"), int(QPageSize::A4));
    m_paper->addItem(tr("Letter"), int(QPageSize::Letter));
    m_orientation = new QComboBox(this);
    m_orientation->setObjectName(QStringLiteral("cmbOrientation"));
    m_orientation->addItem(tr("Portrait"), int(QPageLayout::Portrait));
    m_orientation->addItem(tr("Landscape"), int(QPageLayout::Landscape));
    m_allRows = new QCheckBox(tr("List empty channels too"), this);
    m_allRows->setObjectName(QStringLiteral("chkAllRows"));
    m_openAfter = new QCheckBox(tr("Open after saving"), this);
    m_openAfter->setObjectName(QStringLiteral("chkOpenAfter"));

    QSettings settings(Vocabulary::appTitle(), Vocabulary::appTitle());
    settings.beginGroup(Group);
    const int paper = settings.value(PaperKey, int(ReportOptions::paperForLocale(QLocale()))).toInt();
    m_paper->setCurrentIndex(qMax(0, m_paper->findData(paper)));
    const int orientation = settings.value(OrientationKey, int(QPageLayout::Portrait)).toInt();
    m_orientation->setCurrentIndex(qMax(0, m_orientation->findData(orientation)));

    auto *form = new QFormLayout;
    form->addRow(tr("Paper"), m_paper);
    form->addRow(tr("Orientation"), m_orientation);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_allRows);
    layout->addWidget(m_openAfter);
    layout->addWidget(buttons);
}

ReportOptions PdfExportDialog::options() const
{
    ReportOptions options;
    options.allRows = m_allRows->isChecked();
    options.paper = QPageSize::PageSizeId(m_paper->currentData().toInt());
    options.orientation = QPageLayout::Orientation(m_orientation->currentData().toInt());
    return options;
}

bool PdfExportDialog::openAfterSaving() const
{
    return m_openAfter->isChecked();
}

void PdfExportDialog::remember() const
{
    QSettings settings(Vocabulary::appTitle(), Vocabulary::appTitle());
    settings.beginGroup(Group);
    settings.setValue(PaperKey, m_paper->currentData());
    settings.setValue(OrientationKey, m_orientation->currentData());
}
