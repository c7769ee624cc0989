#pragma once

#include <QString>
#include <QStringList>

class CliContext;

// One command of the command-line tool: its name, its line in the tool's
// usage text, and what it does with the words after its name.
class Command
{
public:
    virtual ~Command() = default;

    virtual QString name() const = 0;
    // The command's lines in the usage text, aligned as the others are.
    virtual QString usageLines() const = 0;
    virtual int run(CliContext &context, const QStringList &arguments) = 0;
};
