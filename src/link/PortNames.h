#pragma once

#include <QString>

// Which device a port number (1..14) stands for.
class PortNames
{
public:
    static constexpr int FirstPort = 1;
    static constexpr int LastPort = 14;

    static bool isValid(int portNumber) { return portNumber >= FirstPort && portNumber <= LastPort; }
    // The environment variable QTR70_COM<n> when set; otherwise COM<n> on
    // Windows and /dev/ttyUSB<n-1> elsewhere.
    static QString deviceFor(int portNumber);
    // The name of the environment variable that overrides port n.
    static QString environmentVariableFor(int portNumber);
};
