#include "edit/ChannelDialog.h"

#include "app/CloneDocument.h"
#include "codec/CellText.h"
#include "codec/ChannelLabel.h"
#include "codec/ChannelRules.h"
#include "codec/Frequency.h"
#include "codec/VfoCodec.h"
#include "edit/ChoiceList.h"
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

#include <iterator>
#include <utility>

namespace {

// The dialog's lists in column order, Mode .. NoiseBlanker (columns 1-7).
constexpr auto &ListColumns = Vocabulary::ListedColumns;

constexpr double HeadingScale = 1.6;
constexpr int MegaDigits = 2;
constexpr int PartDigits = 3;
constexpr qint64 Mega = 1000000;
constexpr qint64 Kilo = 1000;

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

ChannelDialog::ChannelDialog(const CloneDocument &document, Prompter &prompter, QWidget *parent)
    : QDialog(parent), m_document(document), m_prompter(prompter)
{
    setObjectName(QStringLiteral("dlgModify"));
    setWindowTitle(QStringLiteral("Modify "));
    setModal(true);
    buildControls();
    fillLists();
    followFrequencyWithSplit();
}

void ChannelDialog::followFrequencyWithSplit()
{
    // A split the user types is theirs from then on.
    for (FrequencyEdit *box : {m_splitMHz, m_splitKHz, m_splitHz})
        connect(box, &QLineEdit::textEdited, this, [this] { m_splitFollows = false; });
    for (FrequencyEdit *box : {m_frequencyMHz, m_frequencyKHz, m_frequencyHz}) {
        connect(box, &QLineEdit::textEdited, this, [this] {
            if (m_splitFollows && m_editSource == EditSource::Memory)
                showFrequency(m_splitMHz, m_splitKHz, m_splitHz, double(shownFrequency()));
        });
    }
}

qint64 ChannelDialog::shownFrequency() const
{
    return m_frequencyMHz->value() * Mega + m_frequencyKHz->value() * Kilo + m_frequencyHz->value();
}

qint64 ChannelDialog::shownSplit() const
{
    return m_splitMHz->value() * Mega + m_splitKHz->value() * Kilo + m_splitHz->value();
}

void ChannelDialog::buildControls()
{
    createControls();
    layOutControls();
    describeControls();
}

void ChannelDialog::createControls()
{
    QFont dialogFont = font();
    dialogFont.setFamilies({QStringLiteral("Arial")});
    setFont(dialogFont);

    auto named = [](QWidget *w, const char *name) {
        w->setObjectName(QLatin1String(name));
        return w;
    };

    m_bankHeading = new QLabel(this);
    named(m_bankHeading, "lblMode");
    QFont headingFont = dialogFont;
    if (headingFont.pointSizeF() > 0)
        headingFont.setPointSizeF(headingFont.pointSizeF() * HeadingScale);
    else
        headingFont.setPixelSize(qRound(headingFont.pixelSize() * HeadingScale));
    headingFont.setBold(true);
    m_bankHeading->setFont(headingFont);
    m_channelText = new QLabel(this);
    named(m_channelText, "lblCH");

    m_frequencyMHz = new FrequencyEdit(MegaDigits, this);
    m_frequencyKHz = new FrequencyEdit(PartDigits, this);
    m_frequencyHz = new FrequencyEdit(PartDigits, this);
    named(m_frequencyMHz, "txtFreq");
    named(m_frequencyKHz, "txtFreq2");
    named(m_frequencyHz, "txtFreq3");
    m_frequencyMHz->setAdvanceTo(m_frequencyKHz);
    m_frequencyKHz->setAdvanceTo(m_frequencyHz);
    m_frequencyMHz->setPadWidth(1);
    m_frequencyKHz->setPadWidth(PartDigits);
    m_frequencyHz->setPadWidth(PartDigits);
    for (FrequencyEdit *box : {m_frequencyMHz, m_frequencyKHz, m_frequencyHz})
        box->setSelectAllOnFocus(true);

    m_nameLabel = new QLabel(QStringLiteral("Name"), this);
    named(m_nameLabel, "lblName");
    m_name = new NameEdit(this);
    named(m_name, "txtName");
    m_name->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    m_skip = new QCheckBox(QStringLiteral("Skip"), this);
    named(m_skip, "chkSkip");

    m_mode = new ChoiceList(this);
    m_gain = new ChoiceList(this);
    m_agc = new ChoiceList(this);
    m_power = new ChoiceList(this);
    m_filter = new ChoiceList(this);
    m_tone = new ChoiceList(this);
    m_noiseBlanker = new ChoiceList(this);
    named(m_mode, "cmbMode");
    named(m_gain, "cmbGain");
    named(m_agc, "cmbAGC");
    named(m_power, "cmbPower");
    named(m_filter, "cmbFilter");
    named(m_tone, "cmbTone");
    named(m_noiseBlanker, "cmbNB");

    m_splitLabel = new QLabel(QStringLiteral("Split Frequency"), this);
    named(m_splitLabel, "lblSPFreq");
    m_splitMHz = new FrequencyEdit(MegaDigits, this);
    m_splitKHz = new FrequencyEdit(PartDigits, this);
    m_splitHz = new FrequencyEdit(PartDigits, this);
    named(m_splitMHz, "txtSP1");
    named(m_splitKHz, "txtSP2");
    named(m_splitHz, "txtSP3");

    m_okButton = new QPushButton(QStringLiteral("OK"), this);
    m_cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    named(m_okButton, "OKButton");
    named(m_cancelButton, "CancelButton");
    m_okButton->setDefault(true);
    connect(m_okButton, &QPushButton::clicked, this, &ChannelDialog::acceptEdit);
    connect(m_cancelButton, &QPushButton::clicked, this, &ChannelDialog::reject);
}

void ChannelDialog::layOutControls()
{
    // Top: heading and channel text | frequency and name rows | OK, Cancel.
    auto *frequencyRow = new QHBoxLayout;
    frequencyRow->addWidget(m_frequencyMHz);
    frequencyRow->addWidget(unitLabel("M"));
    frequencyRow->addWidget(m_frequencyKHz);
    frequencyRow->addWidget(unitLabel("K"));
    frequencyRow->addWidget(m_frequencyHz);
    frequencyRow->addWidget(unitLabel("Hz"));
    frequencyRow->addStretch();

    auto *top = new QGridLayout;
    top->addWidget(m_bankHeading, 0, 0);
    top->addWidget(m_channelText, 1, 0);
    top->addWidget(new QLabel(QStringLiteral("Frequency")), 0, 1);
    top->addLayout(frequencyRow, 0, 2);
    top->addWidget(m_okButton, 0, 3);
    top->addWidget(m_cancelButton, 1, 3);
    top->addWidget(m_nameLabel, 2, 1);
    top->addWidget(m_name, 2, 2);
    top->setColumnStretch(2, 1);

    auto *rule = new QFrame;
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    auto *leftLists = new QFormLayout;
    leftLists->addRow(QStringLiteral("Mode"), m_mode);
    leftLists->addRow(QStringLiteral("RF Gain"), m_gain);
    leftLists->addRow(QStringLiteral("AGC"), m_agc);
    auto *rightLists = new QFormLayout;
    rightLists->addRow(QStringLiteral("Power"), m_power);
    rightLists->addRow(QStringLiteral("Filter"), m_filter);
    rightLists->addRow(QStringLiteral("Tone"), m_tone);
    rightLists->addRow(QStringLiteral("Noise Blanker"), m_noiseBlanker);
    auto *lists = new QHBoxLayout;
    lists->addLayout(leftLists);
    lists->addSpacing(24);
    lists->addLayout(rightLists);

    QLabel *splitM = unitLabel("M");
    QLabel *splitK = unitLabel("K");
    QLabel *splitHz = unitLabel("Hz");
    auto *splitRow = new QHBoxLayout;
    splitRow->addWidget(m_splitLabel);
    splitRow->addWidget(m_splitMHz);
    splitRow->addWidget(splitM);
    splitRow->addWidget(m_splitKHz);
    splitRow->addWidget(splitK);
    splitRow->addWidget(m_splitHz);
    splitRow->addWidget(splitHz);
    splitRow->addStretch();

    auto *outer = new QVBoxLayout(this);
    outer->addLayout(top);
    outer->addWidget(rule);
    outer->addWidget(m_skip);
    outer->addLayout(lists);
    outer->addLayout(splitRow);
    outer->setSizeConstraint(QLayout::SetFixedSize);

    const int digitWidth = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    for (FrequencyEdit *box : {m_frequencyMHz, m_frequencyKHz, m_frequencyHz, m_splitMHz, m_splitKHz, m_splitHz})
        box->setFixedWidth((box->maxLength() + 3) * digitWidth);

    m_memoryOnly = {m_channelText,  m_nameLabel, m_name, m_skip, m_splitLabel, m_splitMHz,
                    splitM,   m_splitKHz,  splitK,    m_splitHz,  splitHz};
}

void ChannelDialog::describeControls()
{
    // What each box holds, for a screen reader: the unit labels beside them
    // say it only to the eye.
    const std::pair<QWidget *, const char *> spoken[] = {
        {m_frequencyMHz, QT_TR_NOOP("Frequency, MHz")},     {m_frequencyKHz, QT_TR_NOOP("Frequency, kHz")},
        {m_frequencyHz, QT_TR_NOOP("Frequency, Hz")},       {m_splitMHz, QT_TR_NOOP("Split frequency, MHz")},
        {m_splitKHz, QT_TR_NOOP("Split frequency, kHz")}, {m_splitHz, QT_TR_NOOP("Split frequency, Hz")}};
    for (const auto &[box, name] : spoken)
        box->setAccessibleName(tr(name));
    // The name box is named by its caption, as the eye reads it.
    m_name->setAccessibleName(m_nameLabel->text());
    m_nameLabel->setBuddy(m_name);

    QWidget *tabOrder[] = {m_frequencyMHz,  m_frequencyKHz, m_frequencyHz,  m_okButton, m_name,
                           m_skip,  m_cancelButton, m_mode, m_gain, m_agc,
                           m_power, m_filter, m_noiseBlanker,     m_splitKHz,  m_splitMHz,
                           m_splitHz,   m_tone};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

void ChannelDialog::fillLists()
{
    const QList<QComboBox *> boxes = fieldLists();
    for (int i = 0; i < boxes.size(); ++i) {
        boxes[i]->clear();
        boxes[i]->addItems(Vocabulary::items(ListColumns[i]));
    }
}

void ChannelDialog::discardState()
{
    fillLists();
    for (FrequencyEdit *box : {m_frequencyMHz, m_frequencyKHz, m_frequencyHz, m_splitMHz, m_splitKHz, m_splitHz})
        box->clear();
    m_name->clear();
    m_skip->setChecked(false);
    m_discardPending = false;
}

void ChannelDialog::setMemoryControlsVisible(bool visible)
{
    for (QWidget *w : std::as_const(m_memoryOnly))
        w->setVisible(visible);
}

void ChannelDialog::focusFrequency()
{
    focusSelected(m_frequencyMHz);
}

void ChannelDialog::focusSelected(FrequencyEdit *box)
{
    box->setFocus(Qt::OtherFocusReason);
    const int length = int(box->text().size());
    box->setSelection(length, -length);
}

void ChannelDialog::showFrequency(FrequencyEdit *mega, FrequencyEdit *kilo, FrequencyEdit *unit,
                              qint64 value)
{
    const qint64 hz = Frequency::toField(value);
    mega->setText(QString::number(hz / Mega));
    kilo->setText(QString::number(hz % Mega / Kilo).rightJustified(PartDigits, QLatin1Char('0')));
    unit->setText(QString::number(hz % Kilo).rightJustified(PartDigits, QLatin1Char('0')));
}

QList<QComboBox *> ChannelDialog::fieldLists() const
{
    return {m_mode, m_gain, m_agc, m_power, m_filter, m_tone, m_noiseBlanker};
}

void ChannelDialog::selectFields(const Tuning &tuning)
{
    const QList<QComboBox *> boxes = fieldLists();
    for (int i = 0; i < boxes.size(); ++i) {
        const ChannelColumn column = ListColumns[i];
        const int code = tuning.code(column);
        selectStored(boxes[i], code < 0 ? -1 : Vocabulary::positionOfCode(column, code), CellText::listed(column, code));
    }
}

void ChannelDialog::storeFields(Tuning &tuning) const
{
    const QList<QComboBox *> boxes = fieldLists();
    for (int i = 0; i < boxes.size(); ++i)
        tuning.setCode(ListColumns[i], Vocabulary::codeOfPosition(ListColumns[i], boxes[i]->currentIndex()));
}

void ChannelDialog::proposeChannel()
{
    // The default VFO of the model, as both frequencies and the fields.
    const VfoRow proposal = VfoCodec::defaultVfo(m_document.image().modelVariant);
    showFrequency(m_frequencyMHz, m_frequencyKHz, m_frequencyHz, proposal.frequency);
    showFrequency(m_splitMHz, m_splitKHz, m_splitHz, proposal.frequency);
    m_name->clear();
    selectFields(proposal);
}

bool ChannelDialog::prepareForChannel(int tableRow)
{
    if (tableRow < 0 || tableRow >= CloneImage::ChannelCount)
        return false;
    if (m_discardPending)
        discardState();
    m_editSource = EditSource::Memory;
    m_editRow = tableRow;

    setMemoryControlsVisible(true);
    m_bankHeading->setText(ChannelLabel::bankHeading(tableRow));
    m_channelText->setText(ChannelLabel::channelText(tableRow));
    // The caption stays "Modify "; a screen reader hears which channel.
    setAccessibleDescription(m_bankHeading->text() + QStringLiteral(", ") + m_channelText->text());

    const ChannelRow &row = m_document.channel(tableRow);
    if (row.inUse) {
        showFrequency(m_frequencyMHz, m_frequencyKHz, m_frequencyHz, row.frequency);
        showFrequency(m_splitMHz, m_splitKHz, m_splitHz, row.split);
        selectFields(row);
        m_skip->setChecked(row.skip);
        m_name->setText(row.name);
    } else {
        proposeChannel();
    }
    // A split on the frequency (or none, or the proposal's) follows a new
    // frequency; a split of its own stays.
    m_splitFollows = shownSplit() == shownFrequency() || shownSplit() == 0;
    focusFrequency();
    return true;
}

bool ChannelDialog::prepareForVfo(int vfoRow)
{
    if (vfoRow < 0 || vfoRow > 1)
        return false;
    if (m_discardPending)
        discardState();
    m_editSource = EditSource::Vfo;
    m_editRow = vfoRow;

    setMemoryControlsVisible(false);
    m_bankHeading->setText(ChannelLabel::vfoLabel(vfoRow));
    setAccessibleDescription(m_bankHeading->text());
    const VfoRow &row = m_document.vfo(vfoRow);
    showFrequency(m_frequencyMHz, m_frequencyKHz, m_frequencyHz, row.frequency);
    selectFields(row);
    focusFrequency();
    return true;
}

bool ChannelDialog::openForChannel(int tableRow)
{
    return prepareForChannel(tableRow) && exec() == QDialog::Accepted;
}

bool ChannelDialog::openForVfo(int vfoRow)
{
    return prepareForVfo(vfoRow) && exec() == QDialog::Accepted;
}

void ChannelDialog::acceptEdit()
{
    emit okPressed();

    const ChannelRules rules = ChannelRules::of(m_document.image());
    const qint64 frequency = shownFrequency();
    const bool memory = m_editSource == EditSource::Memory;
    const qint64 split = memory ? shownSplit() : 0;
    if (const auto fault = rules.frequencyAtFault(frequency, memory ? std::optional<qint64>(split) : std::nullopt)) {
        m_prompter.message(this,
                           QStringLiteral("The frequency is outside the range. \r\n\t") + rules.range().text,
                           QStringLiteral("ERROR"), Prompter::Icon::Critical);
        // The MHz box of the frequency at fault, ready to be typed over.
        focusSelected(*fault == ChannelColumn::Split ? m_splitMHz : m_frequencyMHz);
        return;
    }

    if (memory) {
        ChannelRow row = m_document.channel(m_editRow);
        row.frequency = frequency;
        row.split = split;
        storeFields(row);
        row.skip = m_skip->isChecked();
        row.name = m_name->text();
        row.inUse = true;
        m_editedChannel = row;
    } else {
        VfoRow row = m_document.vfo(m_editRow);
        row.frequency = frequency;
        storeFields(row);
        row.known = true;
        m_editedVfo = row;
    }
    hideKeepingState(QDialog::Accepted);
}

void ChannelDialog::hideKeepingState(int result)
{
    m_hidingByButton = true;
    done(result);
    m_hidingByButton = false;
}

void ChannelDialog::reject()
{
    hideKeepingState(QDialog::Rejected);
}

void ChannelDialog::closeEvent(QCloseEvent *event)
{
    // Only the window's close box gets here on its own; OK, Cancel and
    // Escape hide the dialog through hideKeepingState.
    if (!m_hidingByButton)
        m_discardPending = true;
    QDialog::closeEvent(event);
}
