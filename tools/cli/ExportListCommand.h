#pragma once

#include <QCoreApplication>

#include "Command.h"

// qtr70 export-list: the channels in the common layout of radio
// programmers.
class ExportListCommand : public Command
{
    Q_DECLARE_TR_FUNCTIONS(ExportListCommand)

public:
    QString name() const override { return QStringLiteral("export-list"); }
    QString usageLines() const override;
    int run(CliContext &context, const QStringList &arguments) override;
};
