#pragma once

#include <QCoreApplication>

#include "Command.h"

// qtr70 export-csv: VFO A and B and the channels 0-199 in use as CSV.
class ExportCsvCommand : public Command
{
    Q_DECLARE_TR_FUNCTIONS(ExportCsvCommand)

public:
    QString name() const override { return QStringLiteral("export-csv"); }
    QString usageLines() const override;
    int run(CliContext &context, const QStringList &arguments) override;
};
