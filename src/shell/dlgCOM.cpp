#include "dlgCOM.h"

#include "PortNames.h"
#include "RadioPort.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QSerialPortInfo>
#include <QVBoxLayout>

namespace {

bool devicePresent(const QString &device)
{
    if (QFileInfo::exists(device))
        return true;
    const auto ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : ports) {
        if (info.portName() == device || info.systemLocation() == device)
            return true;
    }
    return false;
}

} // namespace

dlgCOM::dlgCOM(RadioPort &port, QWidget *parent)
    : QDialog(parent), m_port(port)
{
    setObjectName(QStringLiteral("dlgCOM"));
    setWindowTitle(QStringLiteral("COM Port Setup"));

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(36);
    for (int port = PortNames::FirstPort; port <= PortNames::LastPort; ++port) {
        const int index = port - PortNames::FirstPort;
        auto *option = new QRadioButton(QStringLiteral("COM %1").arg(port, 2), this);
        option->setObjectName(QStringLiteral("opbCom"));
        option->setProperty("index", index);
        grid->addWidget(option, index % OptionsPerColumn, index / OptionsPerColumn);
        m_options.push_back(option);
    }

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &dlgCOM::OKButton_Click);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString dlgCOM::deviceToolTip(const QString &device)
{
    return devicePresent(device) ? QStringLiteral("%1 (present)").arg(device)
                                 : QStringLiteral("%1 (not present)").arg(device);
}

void dlgCOM::describeDevices()
{
    for (size_t i = 0; i < m_options.size(); ++i)
        m_options[i]->setToolTip(deviceToolTip(PortNames::deviceFor(int(i) + PortNames::FirstPort)));
}

void dlgCOM::selectPort(int portNumber)
{
    if (PortNames::isValid(portNumber))
        m_options[size_t(portNumber - PortNames::FirstPort)]->setChecked(true);
    describeDevices();
}

void dlgCOM::OKButton_Click()
{
    if (m_port.isOpen())
        m_port.close();
    for (size_t i = 0; i < m_options.size(); ++i) {
        if (m_options[i]->isChecked()) {
            m_port.setPortNumber(int(i) + PortNames::FirstPort);
            break;
        }
    }
    accept();
}
