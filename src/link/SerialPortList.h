#pragma once

#include "link/DetectedPort.h"

#include <QList>

// The serial devices the system reports now. The program asks the system;
// tests hand in a list of their own.
class SerialPortList
{
public:
    virtual ~SerialPortList();

    // Every device, ordered by system path.
    virtual QList<DetectedPort> available() const = 0;
};
