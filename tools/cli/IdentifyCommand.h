#pragma once

#include "RadioCommand.h"

// qtr70 identify: the radio's model variant and coverage version.
class IdentifyCommand : public RadioCommand
{
public:
    QString name() const override { return QStringLiteral("identify"); }
    QString usageLines() const override;
    int run(CliContext &context, const QStringList &arguments) override;
};
