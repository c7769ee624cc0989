#include "edit/FindBar.h"

#include "codec/ChannelLabel.h"
#include "codec/Vocabulary.h"
#include "edit/MemoryGrid.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>

#include <cmath>

FindBar::FindBar(MemoryGrid *grid, QWidget *parent)
    : QWidget(parent),
      m_grid(grid),
      m_text(new QLineEdit(this)),
      m_usedOnly(new QCheckBox(tr("&Used only"), this)),
      m_result(new QLabel(this))
{
    setObjectName(QStringLiteral("findBar"));
    m_text->setObjectName(QStringLiteral("txtFind"));
    m_text->setPlaceholderText(tr("Label, frequency, mode or name"));
    m_text->setClearButtonEnabled(true);
    m_usedOnly->setObjectName(QStringLiteral("chkUsedOnly"));
    m_result->setObjectName(QStringLiteral("lblFindResult"));
    auto *label = new QLabel(tr("&Find:"), this);
    label->setBuddy(m_text);
    auto *previous = new QPushButton(tr("&Previous"), this);
    auto *next = new QPushButton(tr("&Next"), this);
    auto *closer = new QToolButton(this);
    closer->setText(QStringLiteral("\u00D7"));
    closer->setToolTip(tr("Close the find bar (Esc)"));
    closer->setAccessibleName(tr("Close the find bar"));

    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(label);
    row->addWidget(m_text, 1);
    row->addWidget(previous);
    row->addWidget(next);
    row->addWidget(m_usedOnly);
    row->addWidget(m_result);
    row->addWidget(closer);

    connect(m_text, &QLineEdit::returnPressed, this, [this] { findNext(true); });
    connect(next, &QPushButton::clicked, this, [this] { findNext(true); });
    connect(previous, &QPushButton::clicked, this, [this] { findNext(false); });
    connect(closer, &QToolButton::clicked, this, &FindBar::close);
    connect(m_usedOnly, &QCheckBox::toggled, this, &FindBar::applyFilter);
    // Rows that become empty or used while the filter is on follow it.
    connect(grid->model(), &QAbstractItemModel::dataChanged, this, [this] {
        if (m_usedOnly->isChecked())
            applyFilter();
    });
    // F3 and Shift+F3 anywhere on the page the bar belongs to.
    auto *again = new QShortcut(QKeySequence(Qt::Key_F3), parent ? parent : this);
    again->setContext(Qt::WidgetWithChildrenShortcut);
    connect(again, &QShortcut::activated, this, [this] { findNext(true); });
    auto *back = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3), parent ? parent : this);
    back->setContext(Qt::WidgetWithChildrenShortcut);
    connect(back, &QShortcut::activated, this, [this] { findNext(false); });
    hide();
}

void FindBar::open()
{
    show();
    m_text->setFocus();
    m_text->selectAll();
}

void FindBar::close()
{
    hide();
    m_grid->setFocus();
}

void FindBar::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool FindBar::matches(int r, const QString &text) const
{
    const QString wanted = text.trimmed();
    if (wanted.isEmpty())
        return false;
    const auto has = [&wanted](const QString &cell) { return cell.contains(wanted, Qt::CaseInsensitive); };
    if (has(ChannelLabel::gridLabel(r)) || has(ChannelLabel::shortLabel(r)))
        return true;
    const QString frequency = m_grid->cellText(r, int(ChannelColumn::Frequency));
    if (frequency.isEmpty())
        return false;
    if (has(frequency) || has(m_grid->cellText(r, int(ChannelColumn::Mode)))
        || has(m_grid->cellText(r, int(ChannelColumn::Name))))
        return true;
    // MHz as typed: "14.074" is 14.074.000.
    bool number = false;
    const double mhz = wanted.toDouble(&number);
    if (!number)
        return false;
    const QString digits = QString(frequency).remove(QLatin1Char('.'));
    return digits.toLongLong() == std::llround(mhz * 1e6);
}

bool FindBar::findNext(bool forward)
{
    const int rows = m_grid->model()->rowCount();
    const int start = m_grid->currentDataRow();
    for (int step = 1; step <= rows; ++step) {
        const int r = ((start + (forward ? step : -step)) % rows + rows) % rows;
        if (!m_grid->isRowHidden(r) && matches(r, m_text->text())) {
            m_grid->selectDataRow(r);
            m_grid->scrollTo(m_grid->model()->index(r, 0));
            m_result->clear();
            return true;
        }
    }
    m_result->setText(tr("Not found"));
    return false;
}

void FindBar::applyFilter()
{
    const bool usedOnly = m_usedOnly->isChecked();
    const int rows = m_grid->model()->rowCount();
    for (int r = 0; r < rows; ++r)
        m_grid->setRowHidden(r, usedOnly && m_grid->cellText(r, int(ChannelColumn::Frequency)).isEmpty());
    // The current row stays one that is shown.
    if (m_grid->isRowHidden(m_grid->currentDataRow())) {
        for (int r = 0; r < rows; ++r) {
            if (!m_grid->isRowHidden(r)) {
                m_grid->selectDataRow(r);
                break;
            }
        }
    }
}
