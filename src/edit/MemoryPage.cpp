#include "edit/MemoryPage.h"

#include "app/CloneDocument.h"
#include "edit/FindBar.h"
#include "edit/MemoryGrid.h"
#include "edit/Twips.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int ListButtonWidth = 1095;
constexpr int TransferButtonWidth = 1455;
constexpr int ButtonHeight = 375;

} // namespace

MemoryPage::MemoryPage(const CloneDocument &document, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Frame1"));
    setProperty("index", 2);
    setWindowTitle(QStringLiteral("Memorys"));

    m_clear = button(QStringLiteral("cmbClear"), QStringLiteral("Clear"), ListButtonWidth);
    m_clearAll = button(QStringLiteral("cmbClAll"), QStringLiteral("Clear All"), ListButtonWidth);
    m_up = button(QStringLiteral("Command5"), QStringLiteral("Up"), ListButtonWidth);
    m_down = button(QStringLiteral("Command4"), QStringLiteral("Down"), ListButtonWidth);
    QPushButton *insert = button(QStringLiteral("cmbInsert"), QStringLiteral("Insert"), ListButtonWidth);
    QPushButton *remove = button(QStringLiteral("cmbDelete"), QStringLiteral("Delete"), ListButtonWidth);
    insert->setEnabled(false);
    remove->setEnabled(false);
    m_readMemory = button(QStringLiteral("cmbRxData"), QStringLiteral("Read Memory"), TransferButtonWidth);
    m_writeMemory = button(QStringLiteral("cmbTxData"), QStringLiteral("Write Memory"), TransferButtonWidth);

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_progress->setAccessibleName(tr("Transfer progress"));
    m_progress->setRange(0, CloneDocument::ChannelCount - 1);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);
    // Keeps its place in the row while hidden, so nothing shifts.
    QSizePolicy keepPlace = m_progress->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    m_progress->setSizePolicy(keepPlace);
    m_progress->hide();
    m_stop = new QPushButton(tr("Stop"), this);
    m_stop->setObjectName(QStringLiteral("cmdStop"));
    m_stop->setToolTip(tr("Stop after the record being transferred; the radio is told the transfer ended"));
    m_stop->hide();
    auto *progressRow = new QHBoxLayout;
    progressRow->addWidget(m_progress, 1);
    progressRow->addWidget(m_stop);

    auto *buttons = new QGridLayout;
    buttons->addWidget(m_clear, 0, 0);
    buttons->addWidget(m_clearAll, 1, 0);
    buttons->addWidget(m_up, 0, 1);
    buttons->addWidget(m_down, 1, 1);
    buttons->addWidget(insert, 0, 2);
    buttons->addWidget(remove, 1, 2);
    buttons->addLayout(progressRow, 0, 3, 2, 1, Qt::AlignVCenter);
    buttons->addWidget(m_readMemory, 0, 4);
    buttons->addWidget(m_writeMemory, 1, 4);
    buttons->setColumnStretch(3, 1);
    buttons->setColumnMinimumWidth(3, Twips::toPixelsX(TransferButtonWidth, this));

    m_grid = new MemoryGrid(document, this);
    m_findBar = new FindBar(m_grid, this);

    auto *page = new QVBoxLayout(this);
    page->addLayout(buttons);
    page->addWidget(m_grid, 1);
    page->addWidget(m_findBar);
}

QPushButton *MemoryPage::button(const QString &name, const QString &caption, int widthTwips)
{
    auto *b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setMinimumSize(Twips::toPixelsX(widthTwips, this), Twips::toPixelsY(ButtonHeight, this));
    return b;
}
