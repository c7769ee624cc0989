#include "DiffCommand.h"

#include "CliContext.h"
#include "codec/SafeText.h"
#include "files/ImageReport.h"

#include <QCommandLineParser>
#include <QTextStream>

QString DiffCommand::usageLines() const
{
    return tr("  diff A.R70 B.R70                      print every difference (exit 0 equal, 1 different)\n");
}

int DiffCommand::run(CliContext &context, const QStringList &arguments)
{
    QCommandLineParser parser;
    const int early = context.parse(parser, name(), arguments,
                                    tr("Prints every difference between two clone files.\n"
                                                   "Exit status 0 when they are equal, 1 when they differ."),
                                    QStringLiteral("A.R70 B.R70"));
    if (early >= 0)
        return early;
    if (parser.positionalArguments().size() != 2)
        return context.usage(tr("diff needs two clone files"));
    CloneImage a;
    CloneImage b;
    if (!context.loadImage(a, parser.positionalArguments().at(0)) || !context.loadImage(b, parser.positionalArguments().at(1)))
        return CliContext::FileFailed;
    const QStringList differences = ImageReport::diff(a, b);
    for (const QString &line : differences)
        context.out() << SafeText::escaped(line) << "\n";
    return differences.isEmpty() ? CliContext::Success : CliContext::Different;
}
