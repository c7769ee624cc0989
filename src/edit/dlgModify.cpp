#include "edit/dlgModify.h"

#include "app/Module1.h"
#include "codec/ChannelLabel.h"
#include "codec/ChannelRules.h"
#include "codec/Frequency.h"
#include "codec/VfoCodec.h"
#include "edit/FrequencyEdit.h"
#include "edit/NameEdit.h"
#include "edit/Prompter.h"

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
#include <QVBoxLayout>

#include <cmath>
#include <iterator>
#include <limits>
#include <utility>

namespace {

// The dialog's lists in column order, Mode .. NoiseBlanker (columns 1-7).
constexpr ChannelColumn ListColumns[] = {ChannelColumn::Mode,   ChannelColumn::Gain,
                                         ChannelColumn::Agc,    ChannelColumn::Power,
                                         ChannelColumn::Filter, ChannelColumn::Tone,
                                         ChannelColumn::NoiseBlanker};

constexpr double HeadingScale = 1.6;
constexpr int MegaDigits = 2;
constexpr int PartDigits = 3;
constexpr qint64 Mega = 1000000;
constexpr qint64 Kilo = 1000;

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

QLabel *unitLabel(const char *text)
{
    return new QLabel(QLatin1String(text));
}

} // namespace

dlgModify::dlgModify(const Module1 &document, Prompter &prompter, QWidget *parent)
    : QDialog(parent), m_document(document), m_prompter(prompter)
{
    setObjectName(QStringLiteral("dlgModify"));
    setWindowTitle(QStringLiteral("Modify "));
    setModal(true);
    buildControls();
    fillLists();
    followFrequencyWithSplit();
}

void dlgModify::followFrequencyWithSplit()
{
    // A split the user types is theirs from then on.
    for (FrequencyEdit *box : {m_txtSP1, m_txtSP2, m_txtSP3})
        connect(box, &QLineEdit::textEdited, this, [this] { m_splitFollows = false; });
    for (FrequencyEdit *box : {m_txtFreq, m_txtFreq2, m_txtFreq3}) {
        connect(box, &QLineEdit::textEdited, this, [this] {
            if (m_splitFollows && m_editSource == EditSource::Memory)
                showFrequency(m_txtSP1, m_txtSP2, m_txtSP3, double(shownFrequency()));
        });
    }
}

qint64 dlgModify::shownFrequency() const
{
    return m_txtFreq->value() * Mega + m_txtFreq2->value() * Kilo + m_txtFreq3->value();
}

qint64 dlgModify::shownSplit() const
{
    return m_txtSP1->value() * Mega + m_txtSP2->value() * Kilo + m_txtSP3->value();
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

    // What each box holds, for a screen reader: the unit labels beside them
    // say it only to the eye.
    const std::pair<QWidget *, const char *> spoken[] = {
        {m_txtFreq, "Frequency, MHz"},     {m_txtFreq2, "Frequency, kHz"},     {m_txtFreq3, "Frequency, Hz"},
        {m_txtSP1, "Split frequency, MHz"}, {m_txtSP2, "Split frequency, kHz"}, {m_txtSP3, "Split frequency, Hz"},
        {m_txtName, "Name"}};
    for (const auto &[box, name] : spoken)
        box->setAccessibleName(QLatin1String(name));
    m_lblName->setBuddy(m_txtName);

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
    const QList<QComboBox *> boxes = fieldLists();
    for (int i = 0; i < boxes.size(); ++i) {
        boxes[i]->clear();
        boxes[i]->addItems(Vocabulary::items(ListColumns[i]));
    }
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

void dlgModify::setMemoryControlsVisible(bool visible)
{
    for (QWidget *w : std::as_const(m_memoryOnly))
        w->setVisible(visible);
}

void dlgModify::focusFrequency()
{
    focusSelected(m_txtFreq);
}

void dlgModify::focusSelected(FrequencyEdit *box)
{
    box->setFocus(Qt::OtherFocusReason);
    const int length = int(box->text().size());
    box->setSelection(length, -length);
}

void dlgModify::showFrequency(FrequencyEdit *mega, FrequencyEdit *kilo, FrequencyEdit *unit,
                              double value)
{
    const qint64 hz = Frequency::toField(value);
    mega->setText(QString::number(hz / Mega));
    kilo->setText(QString::number(hz % Mega / Kilo).rightJustified(PartDigits, QLatin1Char('0')));
    unit->setText(QString::number(hz % Kilo).rightJustified(PartDigits, QLatin1Char('0')));
}

QList<QComboBox *> dlgModify::fieldLists() const
{
    return {m_cmbMode, m_cmbGain, m_cmbAGC, m_cmbPower, m_cmbFilter, m_cmbTone, m_cmbNB};
}

void dlgModify::selectFields(const QString *text, const double *value)
{
    const QList<QComboBox *> boxes = fieldLists();
    for (int i = 0; i < boxes.size(); ++i) {
        const ChannelColumn column = ListColumns[i];
        const int c = Vocabulary::index(column);
        const int code = positionOf(value[c]);
        selectStored(boxes[i], code < 0 ? -1 : Vocabulary::positionOfCode(column, code), text[c]);
    }
}

void dlgModify::storeFields(QString *text, double *value) const
{
    const QList<QComboBox *> boxes = fieldLists();
    for (int i = 0; i < boxes.size(); ++i) {
        const ChannelColumn column = ListColumns[i];
        const int c = Vocabulary::index(column);
        const int code = Vocabulary::codeOfPosition(column, boxes[i]->currentIndex());
        value[c] = code;
        text[c] = Vocabulary::text(column, code);
    }
}

void dlgModify::proposeChannel()
{
    // The default VFO of the model, as both frequencies and the fields.
    const VfoRow proposal = VfoCodec::defaultVfo(m_document.image().ModelVariant);
    const double frequency = proposal.valueAt(ChannelColumn::Frequency);
    showFrequency(m_txtFreq, m_txtFreq2, m_txtFreq3, frequency);
    showFrequency(m_txtSP1, m_txtSP2, m_txtSP3, frequency);
    m_txtName->clear();
    selectFields(proposal.text.data(), proposal.value.data());
}

bool dlgModify::prepareForChannel(int tableRow)
{
    if (tableRow < 0 || tableRow >= CloneImage::ChannelCount)
        return false;
    if (m_discardPending)
        discardState();
    m_editSource = EditSource::Memory;
    m_editRow = tableRow;

    setMemoryControlsVisible(true);
    m_lblMode->setText(ChannelLabel::bankHeading(tableRow));
    m_lblCH->setText(ChannelLabel::channelText(tableRow));

    const ChannelRow &row = m_document.channel(tableRow);
    if (row.inUse) {
        showFrequency(m_txtFreq, m_txtFreq2, m_txtFreq3, row.valueAt(ChannelColumn::Frequency));
        showFrequency(m_txtSP1, m_txtSP2, m_txtSP3, row.valueAt(ChannelColumn::Split));
        selectFields(row.text.data(), row.value.data());
        m_chkSkip->setChecked(row.valueAt(ChannelColumn::Skip) > 0);
        m_txtName->setText(row.textAt(ChannelColumn::Name));
    } else {
        proposeChannel();
    }
    // A split on the frequency (or none, or the proposal's) follows a new
    // frequency; a split of its own stays.
    m_splitFollows = shownSplit() == shownFrequency() || shownSplit() == 0;
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
    m_lblMode->setText(ChannelLabel::vfoLabel(vfoRow));
    const VfoRow &row = m_document.vfo(vfoRow);
    showFrequency(m_txtFreq, m_txtFreq2, m_txtFreq3, row.valueAt(ChannelColumn::Frequency));
    selectFields(row.text.data(), row.value.data());
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
    emit okPressed();

    const ChannelRules::Range range = ChannelRules::of(m_document.image()).range();
    const qint64 frequency = shownFrequency();
    const bool memory = m_editSource == EditSource::Memory;
    const qint64 split = memory ? shownSplit() : 0;
    const bool frequencyFits = range.contains(frequency);
    if (!frequencyFits || (memory && !range.contains(split))) {
        m_prompter.message(this,
                           QStringLiteral("The frequency is outside the range. \r\n\t") + range.text,
                           QStringLiteral("ERROR"), Prompter::Icon::Critical);
        // The MHz box of the frequency at fault, ready to be typed over.
        focusSelected(frequencyFits ? m_txtSP1 : m_txtFreq);
        return;
    }

    if (memory) {
        ChannelRow row = m_document.channel(m_editRow);
        row.valueAt(ChannelColumn::Frequency) = double(frequency);
        row.textAt(ChannelColumn::Frequency) = Frequency::FormatFrequency(quint64(frequency));
        row.valueAt(ChannelColumn::Split) = double(split);
        row.textAt(ChannelColumn::Split) = Frequency::FormatFrequency(quint64(split));
        storeFields(row.text.data(), row.value.data());
        const bool skip = m_chkSkip->isChecked();
        row.valueAt(ChannelColumn::Skip) = skip ? 1 : 0;
        row.textAt(ChannelColumn::Skip) = skip ? QStringLiteral("Skip") : QString();
        row.textAt(ChannelColumn::Name) = m_txtName->text();
        row.inUse = true;
        m_editedChannel = row;
    } else {
        VfoRow row = m_document.vfo(m_editRow);
        row.valueAt(ChannelColumn::Frequency) = double(frequency);
        row.textAt(ChannelColumn::Frequency) = Frequency::FormatFrequency(quint64(frequency));
        storeFields(row.text.data(), row.value.data());
        m_editedVfo = row;
    }
    hideKeepingState(QDialog::Accepted);
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
