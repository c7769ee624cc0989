#include "edit/SettingsPage.h"

#include "edit/ChoiceList.h"

#include "app/CloneDocument.h"
#include "codec/SettingsTable.h"
#include "codec/Vocabulary.h"
#include "edit/Twips.h"
#include "edit/VfoGrid.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <array>

namespace {

// Page layout, in twips from the page's top-left corner.
constexpr int LineSpacing = 360;
constexpr int ListWidth = 1290;
constexpr int ListHeight = 315;
constexpr int CaptionGap = 60;
constexpr int CaptionMargin = 120;

// Where each of the settings table's three groups stands on the page.
struct Column
{
    int listLeft;
    int top;
    std::vector<SettingId> settings;
};

const std::array<Column, 3> &columns()
{
    static const std::array<Column, 3> layout = {{
        {1920, 1680, SettingsTable::groups()[0]},
        {5040, 600, SettingsTable::groups()[1]},
        {8160, 1320, SettingsTable::groups()[2]},
    }};
    return layout;
}

// Each setting's list, by its name in the window, in the settings
// table's order.
constexpr std::array<const char *, SettingsTable::Count> ControlNames = {
    "cmbRit",      "cmbWPM",     "cmbKeyLock",  "cmbSSBStep",   "cmbAMStep",    "cmbFMStep",   "cmbMrDisable",
    "cmbMrAccess", "cmbScanType", "cmbDimmer",  "cmbBeep",      "cmbSSBAuto",   "cmbTXIT",     "cmbElekey",
    "cmbPaddle",   "cmbSideTone", "cmbBreakIn", "cmbTone",      "cmbComp",      "cmbPTTL",     "cmbAPO",
    "cmbSplit",    "cmbScanMode", "cmbScanRange", "cmbScanSkip", "cmbAGCAuto", "cmbKeyRatio", "cmbUD",
    "cmbFunc",     "cmbDialMode", "cmbVox",     "cmbDVox",
};

// The list without a caption, at the page's top edge.
constexpr int ToneLeft = 5400;
constexpr int ToneTop = 0;
// The tone list's caption takes this much room on its left.
constexpr int ToneCaptionRoom = 1500;

// The model frame and its contents (contents relative to the frame).
constexpr int ModelFrameLeft = 360;
constexpr int ModelFrameTop = 240;
constexpr int ModelFrameWidth = 2895;
constexpr int ModelFrameHeight = 1335;
constexpr int OptionLeft = 240;
constexpr int OptionRightLeft = 1560;
constexpr int OptionTop = 300;
constexpr int OptionWidth = 1215;
constexpr int OptionHeight = 300;
constexpr int AutoSelectHeight = 375;

const std::array<const char *, 4> ModelCaptions = {"QT-R70J", "QT-R70T", "QT-R70E", "QT-R70A"};

// "Read Settings" above "Write Settings" at the top right.
constexpr int SettingsButtonLeft = 7920;
constexpr int ReadSettingsTop = 240;
constexpr int WriteSettingsTop = 720;
constexpr int SettingsButtonWidth = 1695;
constexpr int SettingsButtonHeight = 390;

// The VFO grid at the bottom left.
constexpr int VfoLeft = 360;
constexpr int VfoTop = 4800;
constexpr int VfoWidth = 5845;
constexpr int VfoHeight = 870;

constexpr int PageMargin = 240;
constexpr double SmallestPointSize = 7.0;
constexpr double PointSizeStep = 0.5;

QString captionName(const QString &control)
{
    return QStringLiteral("lbl") + control.mid(3);
}

} // namespace

SettingsPage::SettingsPage(CloneDocument &state, QWidget *parent)
    : QWidget(parent), m_state(state)
{
    setObjectName(QStringLiteral("Frame1"));
    setProperty("index", 0);
    setWindowTitle(QStringLiteral("Settings 1"));

    buildModelFrame();

    m_readSettings = new QPushButton(QStringLiteral("Read Settings"), this);
    m_readSettings->setObjectName(QStringLiteral("cmbRxData1"));
    m_readSettings->setGeometry(
        twipsRect(SettingsButtonLeft, ReadSettingsTop, SettingsButtonWidth, SettingsButtonHeight));
    m_writeSettings = new QPushButton(QStringLiteral("Write Settings"), this);
    m_writeSettings->setObjectName(QStringLiteral("cmbTxData1"));
    m_writeSettings->setGeometry(
        twipsRect(SettingsButtonLeft, WriteSettingsTop, SettingsButtonWidth, SettingsButtonHeight));

    buildLists();

    m_vfoGrid = new VfoGrid(m_state, this);
    m_vfoGrid->setGeometry(twipsRect(VfoLeft, VfoTop, VfoWidth, VfoHeight));

    showSelections();
    showModel();
    connect(&m_state, &CloneDocument::settingsChanged, this, &SettingsPage::showSelections);
    connect(&m_state, &CloneDocument::modelChanged, this, &SettingsPage::showModel);
}

QRect SettingsPage::twipsRect(int left, int top, int width, int height) const
{
    return QRect(Twips::toPixelsX(left, this), Twips::toPixelsY(top, this),
                 Twips::toPixelsX(width, this), Twips::toPixelsY(height, this));
}

void SettingsPage::buildModelFrame()
{
    m_modelFrame = new QGroupBox(QStringLiteral("Model"), this);
    m_modelFrame->setObjectName(QStringLiteral("fraModel"));
    m_modelFrame->setGeometry(
        twipsRect(ModelFrameLeft, ModelFrameTop, ModelFrameWidth, ModelFrameHeight));

    m_modelGroup = new QButtonGroup(this);
    m_modelGroup->setExclusive(true);
    // QT-R70E at the top, QT-R70T, QT-R70J at the bottom; QT-R70A beside E.
    const std::array<QPoint, 4> places = {{
        {OptionLeft, OptionTop + 2 * LineSpacing},
        {OptionLeft, OptionTop + LineSpacing},
        {OptionLeft, OptionTop},
        {OptionRightLeft, OptionTop},
    }};
    for (int v = 0; v < int(ModelCaptions.size()); ++v) {
        auto *option = new QRadioButton(QLatin1String(ModelCaptions[v]), m_modelFrame);
        option->setObjectName(QStringLiteral("opbModel"));
        option->setProperty("index", v);
        option->setGeometry(twipsRect(places[v].x(), places[v].y(), OptionWidth, OptionHeight));
        m_modelGroup->addButton(option, v);
    }
    connect(m_modelGroup, &QButtonGroup::idClicked, this, [this](int variant) {
        // A click counts as an edit, also on the option already selected.
        const CloneDocument::Step step(m_state,
                                 tr("Model: %1 → %2")
                                     .arg(Vocabulary::modelName(m_state.image().modelVariant), Vocabulary::modelName(variant)),
                                 CloneDocument::StepKind::Touch);
        m_state.setModel(variant, m_state.image().extendedRange);
    });

    m_autoSelect = new QPushButton(QStringLiteral("Auto Select"), m_modelFrame);
    m_autoSelect->setObjectName(QStringLiteral("cmdAuto"));
    m_autoSelect->setGeometry(
        twipsRect(OptionRightLeft, OptionTop + LineSpacing, OptionWidth, AutoSelectHeight));
}

void SettingsPage::buildLists()
{
    const auto &table = SettingsTable::all();
    m_lists.assign(table.size(), nullptr);
    for (size_t i = 0; i < table.size(); ++i) {
        const SettingDescriptor &d = table[i];
        auto *list = new ChoiceList(this);
        list->setObjectName(QLatin1String(ControlNames[i]));
        list->addItems(d.items);
        list->setMaxVisibleItems(12);
        if (d.editable) {
            list->setEditable(true);
            list->setInsertPolicy(QComboBox::NoInsert);
            list->installEventFilter(this);
            list->lineEdit()->installEventFilter(this);
        }
        const int setting = int(i);
        connect(list, &QComboBox::currentIndexChanged, this,
                [this, setting](int position) { onListChanged(setting, position); });
        m_lists[i] = list;
    }

    // Each caption ends just before its list and may take the room back to
    // the list of the column on its left.
    int roomLeft = CaptionMargin;
    for (const Column &column : columns()) {
        for (const SettingId id : column.settings) {
            auto *caption = new QLabel(SettingsTable::of(id).caption, this);
            caption->setObjectName(captionName(QLatin1String(ControlNames[size_t(id)])));
            caption->setBuddy(list(id));
            caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_captions.push_back({caption, roomLeft, column.listLeft - CaptionGap});
        }
        roomLeft = column.listLeft + ListWidth + CaptionGap;
    }
    // The tone list stands apart, above the second column; its caption too,
    // so that it says what it holds to the eye and to a screen reader.
    auto *toneCaption = new QLabel(SettingsTable::of(SettingId::Tone).caption, this);
    toneCaption->setObjectName(captionName(QLatin1String(ControlNames[size_t(SettingId::Tone)])));
    toneCaption->setBuddy(list(SettingId::Tone));
    toneCaption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_captions.push_back({toneCaption, ToneLeft - ToneCaptionRoom, ToneLeft - CaptionGap});

    fitPageFont();

    const int listHeight = std::max(Twips::toPixelsY(ListHeight, this),
                                    m_lists.front()->sizeHint().height());
    size_t next = 0;
    for (const Column &column : columns()) {
        int top = column.top;
        for (const SettingId id : column.settings) {
            const QRect place = twipsRect(column.listLeft, top, ListWidth, ListHeight);
            list(id)->setGeometry(place.x(), place.y(), place.width(), listHeight);
            const Caption &caption = m_captions[next++];
            const int left = Twips::toPixelsX(caption.roomLeft, this);
            caption.label->setGeometry(left, place.y(),
                                       Twips::toPixelsX(caption.roomRight, this) - left, listHeight);
            top += LineSpacing;
        }
    }
    QComboBox *tone = list(SettingId::Tone);
    const QRect tonePlace = twipsRect(ToneLeft, ToneTop, ListWidth, ListHeight);
    tone->setGeometry(tonePlace.x(), tonePlace.y(), tonePlace.width(), listHeight);
    const Caption &toneRoom = m_captions.back();
    const int toneCaptionLeft = Twips::toPixelsX(toneRoom.roomLeft, this);
    toneRoom.label->setGeometry(toneCaptionLeft, tonePlace.y(),
                                Twips::toPixelsX(toneRoom.roomRight, this) - toneCaptionLeft, listHeight);
}

void SettingsPage::orderTabs()
{
    // Tab enters the model options at the one chosen (the arrows move
    // among them).
    QList<QWidget *> order;
    for (QAbstractButton *option : m_modelGroup->buttons())
        order.insert(option->isChecked() ? 0 : order.size(), option);
    order.append(m_autoSelect);
    for (size_t c = 0; c < columns().size(); ++c) {
        if (c == 1)
            order.append(list(SettingId::Tone));
        if (c == 2)
            order << m_readSettings << m_writeSettings;
        for (const SettingId id : columns()[c].settings)
            order.append(list(id));
    }
    order.append(m_vfoGrid);
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
}

void SettingsPage::fitPageFont()
{
    // The layout is drawn for a small font: the page keeps the program's
    // font, made smaller only as far as the longest caption needs to fit
    // beside its list.
    QFont font = this->font();
    while (font.pointSizeF() > SmallestPointSize) {
        const QFontMetrics metrics(font);
        bool fits = true;
        for (const Caption &caption : m_captions) {
            const int room = Twips::toPixelsX(caption.roomRight - caption.roomLeft, this);
            fits = fits && metrics.horizontalAdvance(caption.label->text()) <= room;
        }
        if (fits)
            break;
        font.setPointSizeF(font.pointSizeF() - PointSizeStep);
    }
    setFont(font);
}

QComboBox *SettingsPage::list(SettingId id) const
{
    return m_lists[size_t(id)];
}

int SettingsPage::settingOf(const QString &control)
{
    const auto found = std::find(ControlNames.begin(), ControlNames.end(), control);
    return found == ControlNames.end() ? -1 : int(found - ControlNames.begin());
}

QComboBox *SettingsPage::list(const QString &control) const
{
    const int setting = settingOf(control);
    return setting < 0 ? nullptr : m_lists[size_t(setting)];
}

QRadioButton *SettingsPage::modelOption(int variant) const
{
    return qobject_cast<QRadioButton *>(m_modelGroup->button(variant));
}

void SettingsPage::showSelections()
{
    m_showing = true;
    for (size_t i = 0; i < m_lists.size(); ++i)
        m_lists[i]->setCurrentIndex(m_state.image().selections[i]);
    m_showing = false;
}

void SettingsPage::showModel()
{
    if (QRadioButton *option = modelOption(m_state.image().modelVariant))
        option->setChecked(true);
    orderTabs();
}

void SettingsPage::onListChanged(int setting, int position)
{
    const int was = m_state.image().selections[size_t(setting)];
    if (position < 0 || m_showing || position == was)
        return;
    // "Scan Time: 2S → 5S".
    const SettingDescriptor &d = SettingsTable::all()[size_t(setting)];
    const CloneDocument::Step step(m_state, QStringLiteral("%1: %2 → %3")
                                          .arg(d.caption, d.items.value(was).trimmed(), d.items.value(position).trimmed()));
    m_state.setSetting(setting, position);
}

void SettingsPage::settleTypedText(int setting)
{
    QComboBox *box = m_lists[size_t(setting)];
    const int match = box->findText(box->currentText());
    if (match >= 0)
        box->setCurrentIndex(match);
    box->setEditText(box->itemText(box->currentIndex()));
}

bool SettingsPage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut) {
        for (size_t i = 0; i < m_lists.size(); ++i) {
            QComboBox *box = m_lists[i];
            if (box->isEditable() && (watched == box || watched == box->lineEdit())) {
                settleTypedText(int(i));
                break;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

QSize SettingsPage::sizeHint() const
{
    int right = Twips::toPixelsX(PageMargin, this);
    int bottom = right;
    for (const QWidget *child : findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        right = std::max(right, child->geometry().right());
        bottom = std::max(bottom, child->geometry().bottom());
    }
    return QSize(right + Twips::toPixelsX(PageMargin, this), bottom + Twips::toPixelsY(PageMargin, this));
}
