#pragma once

#include "SimFault.h"

#include <QString>
#include <QStringList>

#include <optional>

// The command line of qtr70-sim.
class SimOptions
{
public:
    enum class Action {
        Run,    // start the radio
        Help,   // print the usage on stdout and end
        Refuse, // print error() and the usage on stderr, exit status 2
    };

    // Parses the arguments without the program name.
    static SimOptions parse(const QStringList &arguments);
    static QString usage();

    Action action() const { return m_action; }
    QString error() const { return m_error; }

    QString imagePath() const { return m_imagePath; }
    QString savePath() const { return m_savePath; }
    QString logPath() const { return m_logPath; }
    QString linkPath() const { return m_linkPath; }
    // The model option (Vocabulary::ModelJ .. ModelA) when --variant was given.
    std::optional<int> variant() const { return m_variant; }
    // True when --extended was given.
    bool extended() const { return m_extended; }
    // "QTR70" or "QTR60".
    QString model() const { return m_model; }
    bool paced() const { return m_paced; }
    // The latency timer of the USB adapter modelled between the radio and
    // the terminal (--usb-latency); 0: none, the radio writes straight in.
    int usbLatencyMs() const { return m_usbLatencyMs; }
    SimFault fault() const { return m_fault; }

private:
    static SimOptions refused(const QString &error);

    Action m_action = Action::Run;
    QString m_error;
    QString m_imagePath;
    QString m_savePath;
    QString m_logPath;
    QString m_linkPath;
    std::optional<int> m_variant;
    bool m_extended = false;
    QString m_model;
    bool m_paced = false;
    int m_usbLatencyMs = 0;
    SimFault m_fault;
};
