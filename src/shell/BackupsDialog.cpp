#include "shell/BackupsDialog.h"

#include "codec/SafeText.h"
#include "files/CloneFile.h"
#include "files/ImageReport.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

int channelsInUse(const CloneImage &image)
{
    return int(std::count_if(image.channels.cbegin(), image.channels.cend(), [](const ChannelRow &row) { return row.inUse; }));
}

} // namespace

BackupsDialog::BackupsDialog(const BackupStore &store, const CloneImage &document, QWidget *parent)
    : QDialog(parent), m_entries(store.list()), m_document(document)
{
    setObjectName(QStringLiteral("dlgBackups"));
    setWindowTitle(tr("Open Backup"));

    auto *intro = new QLabel(m_entries.isEmpty()
                                 ? tr("No backups yet. Every read from the radio keeps one in %1.")
                                       .arg(QDir::toNativeSeparators(store.folder()))
                                 : tr("&Backups of the radio, newest first (kept in %1):")
                                       .arg(QDir::toNativeSeparators(store.folder())),
                             this);
    intro->setWordWrap(true);

    m_table = new QTableWidget(int(m_entries.size()), ColumnCount, this);
    m_table->setObjectName(QStringLiteral("lstBackups"));
    m_table->setAccessibleName(tr("Backups"));
    m_table->setHorizontalHeaderLabels({tr("Taken"), tr("Holds"), tr("Model"),
                                        tr("Channels in use"), tr("File")});
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setTabKeyNavigation(false);
    m_table->setWordWrap(false);
    intro->setBuddy(m_table);
    for (int row = 0; row < m_entries.size(); ++row)
        fillRow(row, m_entries.at(row));
    m_table->resizeColumnsToContents();
    m_table->horizontalHeader()->setStretchLastSection(true);

    auto *differencesLabel = new QLabel(tr("&Differences from the backup to the open document:"), this);
    m_differences = new QPlainTextEdit(this);
    m_differences->setObjectName(QStringLiteral("txtDifferences"));
    m_differences->setReadOnly(true);
    m_differences->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_differences->setPlaceholderText(tr("Compare lists them here."));
    differencesLabel->setBuddy(m_differences);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_open = buttons->addButton(tr("&Open"), QDialogButtonBox::AcceptRole);
    m_open->setObjectName(QStringLiteral("cmdOpen"));
    m_compare = buttons->addButton(tr("&Compare"), QDialogButtonBox::ActionRole);
    m_compare->setObjectName(QStringLiteral("cmdCompare"));
    m_open->setDefault(true);
    connect(m_open, &QPushButton::clicked, this, &BackupsDialog::open);
    connect(m_compare, &QPushButton::clicked, this, &BackupsDialog::compare);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_table, &QTableWidget::cellDoubleClicked, this, &BackupsDialog::open);
    connect(m_table, &QTableWidget::itemSelectionChanged, this, &BackupsDialog::selectionChanged);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(m_table, 2);
    layout->addWidget(differencesLabel);
    layout->addWidget(m_differences, 1);
    layout->addWidget(buttons);
    resize(fontMetrics().averageCharWidth() * 110, fontMetrics().height() * 30);
    if (!m_entries.isEmpty())
        m_table->selectRow(0);
    selectionChanged();
    m_table->setFocus();
}

void BackupsDialog::fillRow(int row, const BackupStore::Entry &entry)
{
    CloneImage image = CloneImage::factory(Vocabulary::ModelE, false);
    const FileResult loaded = CloneFile::load(entry.path, image, FileAccess::NeverBlock);
    m_images.append(loaded.ok() ? std::optional<CloneImage>(image) : std::nullopt);
    const QStringList cells{
        QLocale().toString(entry.when, QLocale::ShortFormat),
        BackupStore::contents(entry.kind),
        loaded.ok() ? ImageReport::model(image) : loaded.message() + QStringLiteral(": ") + SafeText::escaped(loaded.detail()),
        loaded.ok() ? QString::number(channelsInUse(image)) : QString(),
        QDir::toNativeSeparators(entry.path),
    };
    for (int column = 0; column < ColumnCount; ++column) {
        auto *item = new QTableWidgetItem(cells.at(column));
        item->setToolTip(cells.at(column));
        if (column == ChannelsColumn)
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_table->setItem(row, column, item);
    }
}

void BackupsDialog::selectionChanged()
{
    const int row = m_table->currentRow();
    const bool readable = row >= 0 && m_table->item(row, 0)->isSelected() && m_images.value(row).has_value();
    m_open->setEnabled(readable);
    m_compare->setEnabled(readable);
    m_differences->clear();
}

void BackupsDialog::compare()
{
    const int row = m_table->currentRow();
    if (row < 0 || !m_images.value(row))
        return;
    QStringList differences = ImageReport::diff(*m_images.at(row), m_document);
    for (QString &line : differences)
        line = SafeText::escaped(line);
    m_differences->setPlainText(differences.isEmpty() ? tr("The open document holds the same as this backup.")
                                                      : differences.join(QLatin1Char('\n')));
}

void BackupsDialog::open()
{
    const int row = m_table->currentRow();
    if (row < 0 || !m_images.value(row))
        return;
    m_chosen = m_entries.at(row).path;
    accept();
}
