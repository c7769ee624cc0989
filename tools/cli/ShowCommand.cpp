#include "ShowCommand.h"

#include "CliContext.h"
#include "codec/SafeText.h"
#include "files/ImageReport.h"

#include <QCommandLineParser>
#include <QTextStream>

QString ShowCommand::usageLines() const
{
    return tr("  show FILE.R70                         print a clone file's settings, VFOs and channels\n");
}

int ShowCommand::run(CliContext &context, const QStringList &arguments)
{
    QCommandLineParser parser;
    const int early = context.parse(parser, name(), arguments,
                                    tr("Prints a clone file: model, settings, VFOs, channels in use."),
                                    QStringLiteral("FILE.R70"));
    if (early >= 0)
        return early;
    if (parser.positionalArguments().size() != 1)
        return context.usage(tr("show needs one FILE.R70"));
    CloneImage image;
    if (!context.loadImage(image, parser.positionalArguments().first()))
        return CliContext::FileFailed;
    // Each line with its control characters escaped.
    QStringList lines = ImageReport::show(image).split(QLatin1Char('\n'));
    for (QString &line : lines)
        line = SafeText::escaped(line);
    context.out() << lines.join(QLatin1Char('\n'));
    return CliContext::Success;
}
