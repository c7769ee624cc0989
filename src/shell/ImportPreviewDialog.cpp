#include "shell/ImportPreviewDialog.h"

#include "codec/ChannelLabel.h"
#include "codec/SafeText.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// The columns of the preview after Line and Slot, by the channel column
// each shows.
const ChannelColumn ShownColumns[] = {ChannelColumn::Frequency, ChannelColumn::Mode,  ChannelColumn::Power,
                                      ChannelColumn::Tone,      ChannelColumn::Split, ChannelColumn::Name,
                                      ChannelColumn::Skip};
constexpr int FirstValueColumn = 2;

QString whatHappens(const ChannelListImport::Row &row)
{
    if (!row.stored())
        return QCoreApplication::translate("ImportPreviewDialog", "Not stored: %1").arg(row.refusal);
    QStringList parts;
    if (row.replacesChannel)
        parts.append(row.channel.inUse ? QCoreApplication::translate("ImportPreviewDialog", "Replaces the channel in use") : QCoreApplication::translate("ImportPreviewDialog", "Empties the slot"));
    for (const ChannelListImport::Note &note : row.notes)
        parts.append(note.text);
    return parts.isEmpty() ? QCoreApplication::translate("ImportPreviewDialog", "New") : parts.join(QStringLiteral("; "));
}

} // namespace

ImportPreviewDialog::ImportPreviewDialog(const ChannelListImport::Plan &plan, const QString &fileName, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("dlgImportPreview"));
    setWindowTitle(QCoreApplication::translate("ImportPreviewDialog", "Import Channels"));
    auto *summary = new QLabel(QStringLiteral("%1: %2.").arg(SafeText::escaped(fileName), plan.summary()), this);
    summary->setObjectName(QStringLiteral("summary"));
    summary->setWordWrap(true);
    summary->setTextFormat(Qt::PlainText);
    auto *legend = new QLabel(QCoreApplication::translate("ImportPreviewDialog", "Values changed to fit the radio are marked; the last column says why. "
                                             "OK stores the rows as one step that Undo takes back."),
                              this);
    legend->setWordWrap(true);

    QStringList headers{QCoreApplication::translate("ImportPreviewDialog", "Line"), QCoreApplication::translate("ImportPreviewDialog", "Slot")};
    const QStringList gridHeaders = ChannelLabel::memoryHeaders();
    for (const ChannelColumn column : ShownColumns)
        headers.append(gridHeaders.value(int(column)));
    headers.append(QCoreApplication::translate("ImportPreviewDialog", "What happens"));
    m_table = new QTableWidget(int(plan.rows.size()), int(headers.size()), this);
    m_table->setObjectName(QStringLiteral("rows"));
    m_table->setAccessibleName(QCoreApplication::translate("ImportPreviewDialog", "Rows to import"));
    m_table->setHorizontalHeaderLabels(headers);
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setTabKeyNavigation(false);
    m_table->setWordWrap(false);
    for (int r = 0; r < plan.rows.size(); ++r)
        fillRow(r, plan.rows.at(r));
    m_table->resizeColumnsToContents();
    m_table->horizontalHeader()->setStretchLastSection(true);
    summary->setBuddy(m_table);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setEnabled(plan.storedCount() > 0);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addWidget(legend);
    layout->addWidget(m_table, 1);
    layout->addWidget(buttons);
    // Wide enough for every column, the reasons included, within the screen.
    int wanted = m_table->frameWidth() * 2 + m_table->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < m_table->columnCount(); ++c)
        wanted += m_table->columnWidth(c);
    const QRect screen = (parent ? parent->screen() : this->screen())->availableGeometry();
    const QMargins margins = layout->contentsMargins();
    resize(qMin(wanted + margins.left() + margins.right(), screen.width() * 9 / 10),
           qMin(fontMetrics().height() * 26, screen.height() * 8 / 10));
    m_table->setFocus();
}

void ImportPreviewDialog::fillRow(int r, const ChannelListImport::Row &row)
{
    const auto put = [this, r](int column, const QString &text, bool adjusted) {
        auto *item = new QTableWidgetItem(SafeText::escaped(text));
        item->setToolTip(item->text());
        if (adjusted) {
            QFont bold = item->font();
            bold.setBold(true);
            item->setFont(bold);
            // Readable on light and dark palettes: the text keeps the
            // palette's colour over a see-through amber.
            item->setBackground(QColor(255, 176, 0, 96));
            item->setData(AdjustedRole, true);
        }
        m_table->setItem(r, column, item);
    };
    put(0, QString::number(row.line), false);
    put(1, row.stored() ? ChannelLabel::shortLabel(row.slot) : QStringLiteral("-"), false);
    for (int i = 0; i < int(std::size(ShownColumns)); ++i) {
        const ChannelColumn column = ShownColumns[i];
        put(FirstValueColumn + i, row.cellText(column), row.stored() && row.adjusted(column));
    }
    put(NoteColumn, whatHappens(row), !row.stored() || !row.notes.isEmpty());
    if (!row.stored()) {
        for (int c = 0; c < m_table->columnCount(); ++c) {
            QFont italic = m_table->item(r, c)->font();
            italic.setItalic(true);
            m_table->item(r, c)->setFont(italic);
        }
    }
}
