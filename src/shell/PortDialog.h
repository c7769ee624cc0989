#pragma once

#include "link/PortAssignments.h"

#include <QDialog>

#include <memory>
#include <vector>

class PortMapping;
class PortNames;
class QLabel;
class QPushButton;
class QRadioButton;
class QTreeWidget;
class QTreeWidgetItem;
class SerialPortList;
class RadioPort;

// The port dialog "COM Port Setup": fourteen options opbCom ("COM  1" ..
// "COM 14", option i for port i + 1, in two columns of seven) and "OK".
// OK closes the port when it is open and takes the selected port number;
// the new port is opened by the next transfer. Closing the dialog any
// other way leaves the port number as it was.
//
// Beside the options, the serial devices the system reports (lstDevices,
// with Refresh). Clicking a device assigns it to the selected port number
// at once (kept per user); Unassign gives the number back to the platform's
// guess. Each option's tooltip names the device its number leads to and
// whether it is present; the label lblDevice says the same, and why, for
// the selected option.
class PortDialog : public QDialog
{
    Q_OBJECT
public:
    static constexpr int OptionsPerColumn = 7;

    enum DeviceColumn { DeviceColumnPath, DeviceColumnDescription, DeviceColumnMaker, DeviceColumnSerial,
                        DeviceColumnUsb, DeviceColumnPorts, DeviceColumnCount };

    // The system's devices and this user's assignments.
    explicit PortDialog(RadioPort &port, QWidget *parent = nullptr);
    PortDialog(RadioPort &port, std::shared_ptr<const SerialPortList> ports, const PortAssignments &assignments,
           QWidget *parent = nullptr);
    ~PortDialog() override;

    // Selects the option of port n (1..14) and lists the devices anew.
    void selectPort(int portNumber);
    QRadioButton *option(int index) const { return m_options[size_t(index)]; }
    // The port number of the selected option; 0 when none is selected.
    int selectedPort() const;

    // "/dev/ttyUSB0 (present)" / "... (not present)" / "no device".
    static QString deviceToolTip(const PortMapping &mapping);

public slots:
    // Asks the system for its devices again and describes every option.
    void refresh();

private slots:
    void OKButton_Click();
    void deviceChosen(QTreeWidgetItem *item);
    void unassign();

private:
    void listDevices();
    void describePorts();
    void describeSelection();

    RadioPort &m_port;
    std::shared_ptr<const SerialPortList> m_ports;
    PortAssignments m_assignments;
    std::unique_ptr<PortNames> m_names;
    std::vector<QRadioButton *> m_options;
    QTreeWidget *m_devices = nullptr;
    QLabel *m_selection = nullptr;
    QPushButton *m_unassign = nullptr;
};
