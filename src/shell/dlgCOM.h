#pragma once

#include <QDialog>

#include <vector>

class QRadioButton;
class RadioPort;

// The port dialog "COM Port Setup": fourteen options opbCom ("COM  1" ..
// "COM 14", option i for port i + 1, in two columns of seven) and "OK".
// OK closes the port when it is open and takes the selected port number;
// the new port is opened by the next transfer. Closing the dialog any
// other way changes nothing. Each option's tooltip names its device and
// whether it is present.
class dlgCOM : public QDialog
{
    Q_OBJECT
public:
    static constexpr int OptionsPerColumn = 7;

    explicit dlgCOM(RadioPort &port, QWidget *parent = nullptr);

    // Selects the option of port n (1..14) and describes every device anew.
    void selectPort(int portNumber);
    QRadioButton *option(int index) const { return m_options[size_t(index)]; }

    // "/dev/ttyUSB0 (present)" / "... (not present)".
    static QString deviceToolTip(const QString &device);

private slots:
    void OKButton_Click();

private:
    void describeDevices();

    RadioPort &m_port;
    std::vector<QRadioButton *> m_options;
};
