#pragma once

#include <QCoreApplication>

#include "Command.h"

// qtr70 print: a clone file's channel list as PDF.
class PrintCommand : public Command
{
    Q_DECLARE_TR_FUNCTIONS(PrintCommand)

public:
    QString name() const override { return QStringLiteral("print"); }
    QString usageLines() const override;
    int run(CliContext &context, const QStringList &arguments) override;
};
