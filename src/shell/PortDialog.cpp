#include "shell/PortDialog.h"

#include "link/PortNames.h"
#include "link/RadioPort.h"
#include "link/SystemSerialPortList.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QCoreApplication>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int ColumnSpacing = 24;
constexpr int DeviceListMinimumWidth = 520;
constexpr int DeviceListMinimumHeight = 190;
// Room beside the caption for the window's icon and buttons.
constexpr int TitleBarAllowance = 160;
constexpr int DevicePathRole = Qt::UserRole;

QString optionCaption(int portNumber)
{
    return QStringLiteral("COM %1").arg(portNumber, 2);
}

QString whyPhrase(const PortMapping &mapping)
{
    switch (mapping.source) {
    case PortMapping::Source::Environment:
        return QCoreApplication::translate("PortDialog", "set by %1").arg(PortNames::environmentVariableFor(mapping.portNumber));
    case PortMapping::Source::Assignment:
        return QCoreApplication::translate("PortDialog", "assigned");
    case PortMapping::Source::Guess:
        break;
    }
    return QCoreApplication::translate("PortDialog", "the usual name");
}

} // namespace

PortDialog::PortDialog(RadioPort &port, QWidget *parent)
    : PortDialog(port, std::make_shared<SystemSerialPortList>(), PortAssignments::forThisUser(), parent)
{
}

PortDialog::PortDialog(RadioPort &port, std::shared_ptr<const SerialPortList> ports, const PortAssignments &assignments,
               QWidget *parent)
    : QDialog(parent), m_port(port), m_ports(std::move(ports)), m_assignments(assignments)
{
    setObjectName(QStringLiteral("dlgCOM"));
    setWindowTitle(QStringLiteral("COM Port Setup"));

    auto *numbers = new QGroupBox(QCoreApplication::translate("PortDialog", "Port number"), this);
    auto *grid = new QGridLayout(numbers);
    grid->setHorizontalSpacing(ColumnSpacing);
    for (int number = PortNames::FirstPort; number <= PortNames::LastPort; ++number) {
        const int index = number - PortNames::FirstPort;
        auto *option = new QRadioButton(optionCaption(number), numbers);
        option->setObjectName(QStringLiteral("opbCom"));
        option->setProperty("index", index);
        connect(option, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                describeSelection();
        });
        grid->addWidget(option, index % OptionsPerColumn, index / OptionsPerColumn);
        m_options.push_back(option);
    }
    grid->setRowStretch(OptionsPerColumn, 1);

    auto *found = new QGroupBox(QCoreApplication::translate("PortDialog", "Serial devices present"), this);
    m_devices = new QTreeWidget(found);
    m_devices->setObjectName(QStringLiteral("lstDevices"));
    m_devices->setAccessibleName(found->title());
    m_devices->setRootIsDecorated(false);
    m_devices->setAllColumnsShowFocus(true);
    m_devices->setUniformRowHeights(true);
    m_devices->setHeaderLabels({QCoreApplication::translate("PortDialog", "Device"), QCoreApplication::translate("PortDialog", "Description"), QCoreApplication::translate("PortDialog", "Maker"),
                                QCoreApplication::translate("PortDialog", "Serial number"), QCoreApplication::translate("PortDialog", "USB ID"), QCoreApplication::translate("PortDialog", "Port")});
    m_devices->setMinimumSize(DeviceListMinimumWidth, DeviceListMinimumHeight);
    m_devices->setToolTip(QCoreApplication::translate("PortDialog", "Click a device to assign it to the selected port number."));
    connect(m_devices, &QTreeWidget::itemClicked, this, &PortDialog::deviceChosen);
    connect(m_devices, &QTreeWidget::itemActivated, this, &PortDialog::deviceChosen);

    auto *hint = new QLabel(QCoreApplication::translate("PortDialog", "Click the device of the radio's cable to assign it to the selected port."),
                            found);
    hint->setWordWrap(true);
    auto *refreshButton = new QPushButton(QCoreApplication::translate("PortDialog", "Refresh"), found);
    refreshButton->setObjectName(QStringLiteral("cmdRefresh"));
    refreshButton->setAutoDefault(false);
    connect(refreshButton, &QPushButton::clicked, this, &PortDialog::refresh);
    m_unassign = new QPushButton(QCoreApplication::translate("PortDialog", "Unassign"), found);
    m_unassign->setObjectName(QStringLiteral("cmdUnassign"));
    m_unassign->setAutoDefault(false);
    m_unassign->setToolTip(QCoreApplication::translate("PortDialog", "The selected port number goes back to its usual device."));
    connect(m_unassign, &QPushButton::clicked, this, &PortDialog::unassign);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(refreshButton);
    buttons->addWidget(m_unassign);
    buttons->addStretch(1);
    auto *list = new QVBoxLayout(found);
    list->addWidget(hint);
    list->addWidget(m_devices, 1);
    list->addLayout(buttons);

    m_selection = new QLabel(this);
    m_selection->setObjectName(QStringLiteral("lblDevice"));
    m_selection->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_selection->setWordWrap(true);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &PortDialog::OKButton_Click);

    auto *top = new QHBoxLayout;
    top->addWidget(numbers);
    top->addWidget(found, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(m_selection);
    layout->addWidget(ok, 0, Qt::AlignHCenter);

    const QFontMetrics titleFont(QApplication::font("QMdiSubWindowTitleBar"));
    setMinimumWidth(qMax(layout->sizeHint().width(), titleFont.horizontalAdvance(windowTitle()) + TitleBarAllowance));
    refresh();
}

PortDialog::~PortDialog() = default;

QString PortDialog::deviceToolTip(const PortMapping &mapping)
{
    if (mapping.device.isEmpty())
        return QCoreApplication::translate("PortDialog", "no device");
    return mapping.present ? QCoreApplication::translate("PortDialog", "%1 (present)").arg(mapping.device)
                           : QCoreApplication::translate("PortDialog", "%1 (not present)").arg(mapping.device);
}

int PortDialog::selectedPort() const
{
    for (size_t i = 0; i < m_options.size(); ++i) {
        if (m_options[i]->isChecked())
            return int(i) + PortNames::FirstPort;
    }
    return 0;
}

void PortDialog::refresh()
{
    m_names = std::make_unique<PortNames>(*m_ports, m_assignments);
    describePorts();
}

void PortDialog::describePorts()
{
    for (size_t i = 0; i < m_options.size(); ++i)
        m_options[i]->setToolTip(deviceToolTip(m_names->mappingFor(int(i) + PortNames::FirstPort)));
    listDevices();
    describeSelection();
}

void PortDialog::listDevices()
{
    m_devices->clear();
    const QList<DetectedPort> ports = m_names->detected();
    for (const DetectedPort &port : ports) {
        QStringList leadingHere;
        for (int number = PortNames::FirstPort; number <= PortNames::LastPort; ++number) {
            if (port.matches(m_names->mappingFor(number).device))
                leadingHere.append(QString::number(number));
        }
        auto *item = new QTreeWidgetItem(m_devices, {port.systemPath, port.description, port.manufacturer,
                                                     port.serialNumber, port.usbIds(), leadingHere.join(QStringLiteral(", "))});
        item->setData(DeviceColumnPath, DevicePathRole, port.systemPath);
        item->setToolTip(DeviceColumnPath, port.summary());
    }
    for (int column = 0; column < DeviceColumnCount; ++column)
        m_devices->resizeColumnToContents(column);
}

void PortDialog::describeSelection()
{
    const int number = selectedPort();
    m_unassign->setEnabled(number != 0 && !m_assignments.deviceFor(number).isEmpty());
    if (number == 0) {
        m_selection->setText(QCoreApplication::translate("PortDialog", "Select a port number."));
        return;
    }
    const PortMapping mapping = m_names->mappingFor(number);
    if (mapping.device.isEmpty()) {
        m_selection->setText(QCoreApplication::translate("PortDialog", "%1 leads to no device: fewer USB serial devices are plugged in.")
                                 .arg(optionCaption(number)));
    } else {
        m_selection->setText(QCoreApplication::translate("PortDialog", "%1 opens %2 (%3): %4.")
                                 .arg(optionCaption(number), mapping.device, whyPhrase(mapping), mapping.presence()));
    }
    // The device the number leads to is the current row, when listed; an
    // adapter's slow latency timer is said beside it.
    const std::optional<DetectedPort> listed = m_names->find(mapping.device);
    if (listed && !listed->latencyHint().isEmpty())
        m_selection->setText(m_selection->text() + QLatin1Char('\n') + listed->latencyHint());
    m_devices->setCurrentItem(nullptr);
    for (int row = 0; listed && row < m_devices->topLevelItemCount(); ++row) {
        QTreeWidgetItem *item = m_devices->topLevelItem(row);
        if (item->data(DeviceColumnPath, DevicePathRole).toString() == listed->systemPath)
            m_devices->setCurrentItem(item);
    }
}

void PortDialog::deviceChosen(QTreeWidgetItem *item)
{
    const int number = selectedPort();
    if (!item || number == 0)
        return;
    m_assignments.assign(number, item->data(DeviceColumnPath, DevicePathRole).toString());
    describePorts();
}

void PortDialog::unassign()
{
    const int number = selectedPort();
    if (number == 0)
        return;
    m_assignments.assign(number, QString());
    describePorts();
}

void PortDialog::selectPort(int portNumber)
{
    if (PortNames::isValid(portNumber))
        m_options[size_t(portNumber - PortNames::FirstPort)]->setChecked(true);
    refresh();
}

void PortDialog::OKButton_Click()
{
    if (m_port.isOpen())
        m_port.close();
    const int number = selectedPort();
    if (number != 0)
        m_port.setPortNumber(number);
    accept();
}
