#pragma once

#include "link/SerialPortList.h"

// The serial devices the operating system reports (QSerialPortInfo): on
// Linux the ttyS, ttyUSB and ttyACM devices the kernel has, on macOS the
// tty. and cu. devices, on Windows the COM ports.
class SystemSerialPortList : public SerialPortList
{
public:
    QList<DetectedPort> available() const override;
};
