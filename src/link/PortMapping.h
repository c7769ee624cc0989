#pragma once

#include <QString>

// Which device a port number leads to, why, and whether it is there now.
class PortMapping
{
public:
    enum class Source {
        Environment, // QTR70_COM<n> is set
        Assignment,  // the user assigned a device in the port dialog
        Guess,       // the platform's guess
    };

    int portNumber = 0;
    // Empty when there is nothing to guess (macOS with fewer USB serial
    // devices than the port number).
    QString device;
    Source source = Source::Guess;
    bool present = false;

    // "environment (QTR70_COM3)", "assignment", "guess".
    QString why() const;
    // "present", "not present", "no device".
    QString presence() const;
    // "/dev/ttyACM0 (assignment), present".
    QString describe() const;
};
