#pragma once

#include <QCoreApplication>

#include "RadioCommand.h"

// qtr70 read: Auto Select, settings and memory from the radio into a clone file.
class ReadCommand : public RadioCommand
{
    Q_DECLARE_TR_FUNCTIONS(ReadCommand)

public:
    QString name() const override { return QStringLiteral("read"); }
    QString usageLines() const override;
    int run(CliContext &context, const QStringList &arguments) override;
};
