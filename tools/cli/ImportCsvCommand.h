#pragma once

#include <QCoreApplication>

#include "Command.h"

// qtr70 import-csv: a CSV's records stored into a copy of a clone file, by the radio's rules.
class ImportCsvCommand : public Command
{
    Q_DECLARE_TR_FUNCTIONS(ImportCsvCommand)

public:
    QString name() const override { return QStringLiteral("import-csv"); }
    QString usageLines() const override;
    int run(CliContext &context, const QStringList &arguments) override;
};
