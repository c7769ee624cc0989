#pragma once

#include <QString>
#include <QStringList>

class PortNames;

// "qtr70 ports": the serial devices the system reports, and the device each
// port number 1..14 leads to, why (environment, assignment, guess) and
// whether it is present.
class PortsCommand
{
public:
    static QString report(const PortNames &names);
};
