#include "dlgModify.h"

#include "ChannelLabel.h"
#include "VfoCodec.h"
#include "ChannelCodec.h"
#include "Frequency.h"
#include "FrequencyEdit.h"
#include "Module1.h"
#include "NameEdit.h"
#include "Prompter.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>
#include <iterator>
#include <limits>
#include <utility>

namespace {

constexpr double HeadingScale = 1.6;
constexpr int MegaDigits = 2;
constexpr int PartDigits = 3;
constexpr qint64 Mega = 1000000;
constexpr qint64 Kilo = 1000;

constexpr int GainItems = 4;
constexpr int AgcItems = 2;
constexpr int PowerItems = 3;
constexpr int FilterItems = 2;
constexpr int NoiseBlankerItems = 2;
// Tone list position p > 0 is stored as p + 127, the tone codes 128-166.
constexpr int ToneValueOffset = 127;

constexpr int MemoryGridColumns = 11;
constexpr int VfoGridColumns = 8;
constexpr int SkipColumn = 10;
constexpr int NameColumn = 9;
constexpr int SplitColumn = 8;

// The proposal for an empty channel (the frequency is the default VFO's):
// LSB, Slow, everything else at list position 0.
constexpr int ProposedMode = 1;
constexpr int ProposedAgc = 1;

struct FrequencyRange
{
    qint64 lower;    // allowed
    qint64 upper;    // refused
    const char *text;

    bool contains(qint64 hz) const { return lower <= hz && hz < upper; }
};

constexpr FrequencyRange StandardRange{1600000, 30000000, "(1.6MHz - 30MHz)"};
constexpr FrequencyRange WideRange{150000, 35000000, "(150KHz - 35MHz)"};

// A stored code as a list position; -1 when it is no whole number >= 0.
int positionOf(double value)
{
    if (!(value >= 0) || value > std::numeric_limits<int>::max() || value != std::floor(value))
        return -1;
    return int(value);
}

// Selects the stored position; a code that is no position of the list
// selects the item whose text the cell shows, else the first item.
void selectStored(QComboBox *box, int position, const QString &cellText)
{
    if (position < 0 || position >= box->count())
        position = qMax(0, box->findText(cellText, Qt::MatchExactly | Qt::MatchCaseSensitive));
    box->setCurrentIndex(position);
}

// Sets grid row `row`, columns 0 to count - 1, creating missing items.
void setRowTexts(QTableWidget *grid, int row, const QString *texts, int count)
{
    if (!grid || row >= grid->rowCount())
        return;
    for (int c = 0; c < count && c < grid->columnCount(); ++c) {
        QTableWidgetItem *item = grid->item(row, c);
        if (!item) {
            item = new QTableWidgetItem;
            grid->setItem(row, c, item);
        }
        item->setText(texts[c]);
    }
}

QLabel *unitLabel(const char *text)
{
    return new QLabel(QLatin1String(text));
}

} // namespace

dlgModify::dlgModify(Module1 &state, Prompter &prompter, QWidget *parent)
    : QDialog(parent), m_state(state), m_prompter(prompter)
{
    setObjectName(QStringLiteral("dlgModify"));
    setWindowTitle(QStringLiteral("Modify "));
    setModal(true);
    buildControls();
    fillLists();
}

void dlgModify::buildControls()
{
    QFont dialogFont = font();
    dialogFont.setFamilies({QStringLiteral("Arial")});
    setFont(dialogFont);

    auto named = [](QWidget *w, const char *name) {
        w->setObjectName(QLatin1String(name));
        return w;
    };

    m_lblMode = new QLabel(this);
    named(m_lblMode, "lblMode");
    QFont headingFont = dialogFont;
    if (headingFont.pointSizeF() > 0)
        headingFont.setPointSizeF(headingFont.pointSizeF() * HeadingScale);
    else
        headingFont.setPixelSize(qRound(headingFont.pixelSize() * HeadingScale));
    headingFont.setBold(true);
    m_lblMode->setFont(headingFont);
    m_lblCH = new QLabel(this);
    named(m_lblCH, "lblCH");

    m_txtFreq = new FrequencyEdit(MegaDigits, this);
    m_txtFreq2 = new FrequencyEdit(PartDigits, this);
    m_txtFreq3 = new FrequencyEdit(PartDigits, this);
    named(m_txtFreq, "txtFreq");
    named(m_txtFreq2, "txtFreq2");
    named(m_txtFreq3, "txtFreq3");
    m_txtFreq->setAdvanceTo(m_txtFreq2);
    m_txtFreq2->setAdvanceTo(m_txtFreq3);
    m_txtFreq->setPadWidth(1);
    m_txtFreq2->setPadWidth(PartDigits);
    m_txtFreq3->setPadWidth(PartDigits);
    for (FrequencyEdit *box : {m_txtFreq, m_txtFreq2, m_txtFreq3})
        box->setSelectAllOnFocus(true);

    m_lblName = new QLabel(QStringLiteral("Name"), this);
    named(m_lblName, "lblName");
    m_txtName = new NameEdit(this);
    named(m_txtName, "txtName");
    m_txtName->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    m_chkSkip = new QCheckBox(QStringLiteral("Skip"), this);
    named(m_chkSkip, "chkSkip");

    m_cmbMode = new QComboBox(this);
    m_cmbGain = new QComboBox(this);
    m_cmbAGC = new QComboBox(this);
    m_cmbPower = new QComboBox(this);
    m_cmbFilter = new QComboBox(this);
    m_cmbTone = new QComboBox(this);
    m_cmbNB = new QComboBox(this);
    named(m_cmbMode, "cmbMode");
    named(m_cmbGain, "cmbGain");
    named(m_cmbAGC, "cmbAGC");
    named(m_cmbPower, "cmbPower");
    named(m_cmbFilter, "cmbFilter");
    named(m_cmbTone, "cmbTone");
    named(m_cmbNB, "cmbNB");

    m_lblSPFreq = new QLabel(QStringLiteral("Split Frequency"), this);
    named(m_lblSPFreq, "lblSPFreq");
    m_txtSP1 = new FrequencyEdit(MegaDigits, this);
    m_txtSP2 = new FrequencyEdit(PartDigits, this);
    m_txtSP3 = new FrequencyEdit(PartDigits, this);
    named(m_txtSP1, "txtSP1");
    named(m_txtSP2, "txtSP2");
    named(m_txtSP3, "txtSP3");

    m_okButton = new QPushButton(QStringLiteral("OK"), this);
    m_cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    named(m_okButton, "OKButton");
    named(m_cancelButton, "CancelButton");
    m_okButton->setDefault(true);
    connect(m_okButton, &QPushButton::clicked, this, &dlgModify::acceptEdit);
    connect(m_cancelButton, &QPushButton::clicked, this, &dlgModify::reject);

    // Top: heading and channel text | frequency and name rows | OK, Cancel.
    auto *frequencyRow = new QHBoxLayout;
    frequencyRow->addWidget(m_txtFreq);
    frequencyRow->addWidget(unitLabel("M"));
    frequencyRow->addWidget(m_txtFreq2);
    frequencyRow->addWidget(unitLabel("K"));
    frequencyRow->addWidget(m_txtFreq3);
    frequencyRow->addWidget(unitLabel("Hz"));
    frequencyRow->addStretch();

    auto *top = new QGridLayout;
    top->addWidget(m_lblMode, 0, 0);
    top->addWidget(m_lblCH, 1, 0);
    top->addWidget(new QLabel(QStringLiteral("Frequency")), 0, 1);
    top->addLayout(frequencyRow, 0, 2);
    top->addWidget(m_okButton, 0, 3);
    top->addWidget(m_cancelButton, 1, 3);
    top->addWidget(m_lblName, 2, 1);
    top->addWidget(m_txtName, 2, 2);
    top->setColumnStretch(2, 1);

    auto *rule = new QFrame;
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    auto *leftLists = new QFormLayout;
    leftLists->addRow(QStringLiteral("Mode"), m_cmbMode);
    leftLists->addRow(QStringLiteral("RF Gain"), m_cmbGain);
    leftLists->addRow(QStringLiteral("AGC"), m_cmbAGC);
    auto *rightLists = new QFormLayout;
    rightLists->addRow(QStringLiteral("Power"), m_cmbPower);
    rightLists->addRow(QStringLiteral("Filter"), m_cmbFilter);
    rightLists->addRow(QStringLiteral("Tone"), m_cmbTone);
    rightLists->addRow(QStringLiteral("Noise Blanker"), m_cmbNB);
    auto *lists = new QHBoxLayout;
    lists->addLayout(leftLists);
    lists->addSpacing(24);
    lists->addLayout(rightLists);

    QLabel *splitM = unitLabel("M");
    QLabel *splitK = unitLabel("K");
    QLabel *splitHz = unitLabel("Hz");
    auto *splitRow = new QHBoxLayout;
    splitRow->addWidget(m_lblSPFreq);
    splitRow->addWidget(m_txtSP1);
    splitRow->addWidget(splitM);
    splitRow->addWidget(m_txtSP2);
    splitRow->addWidget(splitK);
    splitRow->addWidget(m_txtSP3);
    splitRow->addWidget(splitHz);
    splitRow->addStretch();

    auto *outer = new QVBoxLayout(this);
    outer->addLayout(top);
    outer->addWidget(rule);
    outer->addWidget(m_chkSkip);
    outer->addLayout(lists);
    outer->addLayout(splitRow);
    outer->setSizeConstraint(QLayout::SetFixedSize);

    const int digitWidth = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    for (FrequencyEdit *box : {m_txtFreq, m_txtFreq2, m_txtFreq3, m_txtSP1, m_txtSP2, m_txtSP3})
        box->setFixedWidth((box->maxLength() + 3) * digitWidth);

    m_memoryOnly = {m_lblCH,  m_lblName, m_txtName, m_chkSkip, m_lblSPFreq, m_txtSP1,
                    splitM,   m_txtSP2,  splitK,    m_txtSP3,  splitHz};

    QWidget *tabOrder[] = {m_txtFreq,  m_txtFreq2, m_txtFreq3,  m_okButton, m_txtName,
                           m_chkSkip,  m_cancelButton, m_cmbMode, m_cmbGain, m_cmbAGC,
                           m_cmbPower, m_cmbFilter, m_cmbNB,     m_txtSP2,  m_txtSP1,
                           m_txtSP3,   m_cmbTone};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

void dlgModify::fillLists()
{
    for (QComboBox *box : {m_cmbMode, m_cmbGain, m_cmbAGC, m_cmbPower, m_cmbFilter, m_cmbTone, m_cmbNB})
        box->clear();
    m_cmbMode->addItems(m_state.ModeNames);
    for (int i = 0; i < GainItems; ++i)
        m_cmbGain->addItem(ChannelCodec::gainText(i));
    for (int i = 0; i < AgcItems; ++i)
        m_cmbAGC->addItem(ChannelCodec::agcText(i));
    for (int i = 0; i < PowerItems; ++i)
        m_cmbPower->addItem(ChannelCodec::powerText(i));
    for (int i = 0; i < FilterItems; ++i)
        m_cmbFilter->addItem(ChannelCodec::filterText(i));
    m_cmbTone->addItem(ChannelCodec::toneText(m_state, 0));
    m_cmbTone->addItems(m_state.ToneNames);
    for (int i = 0; i < NoiseBlankerItems; ++i)
        m_cmbNB->addItem(ChannelCodec::noiseBlankerText(i));
}

void dlgModify::discardState()
{
    fillLists();
    for (FrequencyEdit *box : {m_txtFreq, m_txtFreq2, m_txtFreq3, m_txtSP1, m_txtSP2, m_txtSP3})
        box->clear();
    m_txtName->clear();
    m_chkSkip->setChecked(false);
    m_discardPending = false;
}

void dlgModify::setGrids(QTableWidget *memoryGrid, QTableWidget *vfoGrid)
{
    m_memoryGrid = memoryGrid;
    m_vfoGrid = vfoGrid;
}

void dlgModify::setMemoryControlsVisible(bool visible)
{
    for (QWidget *w : std::as_const(m_memoryOnly))
        w->setVisible(visible);
}

void dlgModify::focusFrequency()
{
    m_txtFreq->setFocus(Qt::OtherFocusReason);
    const int length = m_txtFreq->text().size();
    m_txtFreq->setSelection(length, -length);
}

void dlgModify::showFrequency(FrequencyEdit *mega, FrequencyEdit *kilo, FrequencyEdit *unit,
                              double value)
{
    const qint64 hz = Frequency::toField(value);
    mega->setText(QString::number(hz / Mega));
    kilo->setText(QString::number(hz % Mega / Kilo).rightJustified(PartDigits, QLatin1Char('0')));
    unit->setText(QString::number(hz % Kilo).rightJustified(PartDigits, QLatin1Char('0')));
}

void dlgModify::selectFields(const QString *text, const double *value)
{
    selectStored(m_cmbMode, positionOf(value[1]), text[1]);
    selectStored(m_cmbGain, positionOf(value[2]), text[2]);
    selectStored(m_cmbAGC, positionOf(value[3]), text[3]);
    selectStored(m_cmbPower, positionOf(value[4]), text[4]);
    selectStored(m_cmbFilter, positionOf(value[5]), text[5]);
    const int tone = positionOf(value[6]);
    selectStored(m_cmbTone, tone > ToneValueOffset ? tone - ToneValueOffset : (tone >= 0 ? 0 : -1),
                 text[6]);
    selectStored(m_cmbNB, positionOf(value[7]), text[7]);
}

void dlgModify::storeFields(QString *text, double *value) const
{
    const int mode = m_cmbMode->currentIndex();
    value[1] = mode;
    text[1] = m_state.ModeNames.value(mode);
    value[2] = m_cmbGain->currentIndex();
    text[2] = ChannelCodec::gainText(m_cmbGain->currentIndex());
    value[3] = m_cmbAGC->currentIndex();
    text[3] = ChannelCodec::agcText(m_cmbAGC->currentIndex());
    value[4] = m_cmbPower->currentIndex();
    text[4] = ChannelCodec::powerText(m_cmbPower->currentIndex());
    value[5] = m_cmbFilter->currentIndex();
    text[5] = ChannelCodec::filterText(m_cmbFilter->currentIndex());
    const int tonePosition = m_cmbTone->currentIndex();
    const int tone = tonePosition > 0 ? tonePosition + ToneValueOffset : 0;
    value[6] = tone;
    text[6] = ChannelCodec::toneText(m_state, tone);
    value[7] = m_cmbNB->currentIndex();
    text[7] = ChannelCodec::noiseBlankerText(m_cmbNB->currentIndex());
}

void dlgModify::proposeChannel()
{
    const double proposed = VfoCodec::defaultFrequency(m_state.ModelVariant);
    showFrequency(m_txtFreq, m_txtFreq2, m_txtFreq3, proposed);
    showFrequency(m_txtSP1, m_txtSP2, m_txtSP3, proposed);
    m_txtName->clear();
    m_cmbMode->setCurrentIndex(ProposedMode);
    m_cmbGain->setCurrentIndex(0);
    m_cmbAGC->setCurrentIndex(ProposedAgc);
    m_cmbPower->setCurrentIndex(0);
    m_cmbFilter->setCurrentIndex(0);
    m_cmbTone->setCurrentIndex(0);
    m_cmbNB->setCurrentIndex(0);
}

bool dlgModify::prepareForChannel(int tableRow)
{
    if (tableRow < 0 || tableRow >= Module1::ChannelCount)
        return false;
    if (m_discardPending)
        discardState();
    m_editSource = EditSource::Memory;
    m_editRow = tableRow;

    setMemoryControlsVisible(true);
    m_lblMode->setText(ChannelLabel::bankHeading(tableRow));
    m_lblCH->setText(ChannelLabel::channelText(tableRow));

    if (m_state.ChannelInUse[tableRow]) {
        const auto &text = m_state.ChannelText[tableRow];
        const auto &value = m_state.ChannelValue[tableRow];
        showFrequency(m_txtFreq, m_txtFreq2, m_txtFreq3, value[0]);
        showFrequency(m_txtSP1, m_txtSP2, m_txtSP3, value[SplitColumn]);
        selectFields(text.data(), value.data());
        m_chkSkip->setChecked(value[SkipColumn] > 0);
        m_txtName->setText(text[NameColumn]);
    } else {
        proposeChannel();
    }
    focusFrequency();
    return true;
}

bool dlgModify::prepareForVfo(int vfoRow)
{
    if (vfoRow < 0 || vfoRow > 1)
        return false;
    if (m_discardPending)
        discardState();
    m_editSource = EditSource::Vfo;
    m_editRow = vfoRow;

    setMemoryControlsVisible(false);
    m_lblMode->setText(vfoRow == 0 ? QStringLiteral("VFO A") : QStringLiteral("VFO B"));
    const auto &text = m_state.VfoText[vfoRow];
    const auto &value = m_state.VfoValue[vfoRow];
    showFrequency(m_txtFreq, m_txtFreq2, m_txtFreq3, value[0]);
    selectFields(text.data(), value.data());
    focusFrequency();
    return true;
}

bool dlgModify::openForChannel(int tableRow)
{
    return prepareForChannel(tableRow) && exec() == QDialog::Accepted;
}

bool dlgModify::openForVfo(int vfoRow)
{
    return prepareForVfo(vfoRow) && exec() == QDialog::Accepted;
}

void dlgModify::acceptEdit()
{
    m_state.DataChanged = true;

    const FrequencyRange &range = m_state.ExtendedRange ? WideRange : StandardRange;
    const qint64 frequency = m_txtFreq->value() * Mega + m_txtFreq2->value() * Kilo + m_txtFreq3->value();
    const bool memory = m_editSource == EditSource::Memory;
    const qint64 split =
        memory ? m_txtSP1->value() * Mega + m_txtSP2->value() * Kilo + m_txtSP3->value() : 0;
    if (!range.contains(frequency) || (memory && !range.contains(split))) {
        m_prompter.message(this,
                           QStringLiteral("The frequency is outside the range. \r\n\t")
                               + QLatin1String(range.text),
                           QStringLiteral("ERROR"), Prompter::Icon::Critical);
        return;
    }

    if (memory) {
        auto &text = m_state.ChannelText[m_editRow];
        auto &value = m_state.ChannelValue[m_editRow];
        value[0] = double(frequency);
        text[0] = Frequency::FormatFrequency(quint64(frequency));
        value[SplitColumn] = double(split);
        text[SplitColumn] = Frequency::FormatFrequency(quint64(split));
        storeFields(text.data(), value.data());
        const bool skip = m_chkSkip->isChecked();
        value[SkipColumn] = skip ? 1 : 0;
        text[SkipColumn] = skip ? QStringLiteral("Skip") : QString();
        text[NameColumn] = m_txtName->text();
        m_state.ChannelInUse[m_editRow] = true;
        Grid1Data(m_editRow);
    } else {
        auto &text = m_state.VfoText[m_editRow];
        auto &value = m_state.VfoValue[m_editRow];
        value[0] = double(frequency);
        text[0] = Frequency::FormatFrequency(quint64(frequency));
        storeFields(text.data(), value.data());
        Grid2Data(m_editRow);
    }
    hideKeepingState(QDialog::Accepted);
}

void dlgModify::Grid1Data(int line)
{
    if (line >= 0 && line < Module1::ChannelCount)
        setRowTexts(m_memoryGrid, line, m_state.ChannelText[line].data(), MemoryGridColumns);
}

void dlgModify::Grid2Data(int line)
{
    if (line >= 0 && line < Module1::VfoRowCount)
        setRowTexts(m_vfoGrid, line, m_state.VfoText[line].data(), VfoGridColumns);
}

void dlgModify::hideKeepingState(int result)
{
    m_hidingByButton = true;
    done(result);
    m_hidingByButton = false;
}

void dlgModify::reject()
{
    hideKeepingState(QDialog::Rejected);
}

void dlgModify::closeEvent(QCloseEvent *event)
{
    // Only the window's close box gets here on its own; OK, Cancel and
    // Escape hide the dialog through hideKeepingState.
    if (!m_hidingByButton)
        m_discardPending = true;
    QDialog::closeEvent(event);
}
