#pragma once

#include <QCoreApplication>

#include "Command.h"

class PortNames;

// qtr70 ports: the serial devices the system reports, and the device each
// port number 1..14 leads to, why (environment, assignment, guess) and
// whether it is present.
class PortsCommand : public Command
{
    Q_DECLARE_TR_FUNCTIONS(PortsCommand)

public:
    QString name() const override { return QStringLiteral("ports"); }
    QString usageLines() const override;
    int run(CliContext &context, const QStringList &arguments) override;

    static QString report(const PortNames &names);
};
