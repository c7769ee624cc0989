#pragma once

#include "Command.h"

// qtr70 import-csv: a CSV's records stored into a copy of a clone file, by the radio's rules.
class ImportCsvCommand : public Command
{
public:
    QString name() const override { return QStringLiteral("import-csv"); }
    QString usageLines() const override;
    int run(CliContext &context, const QStringList &arguments) override;
};
