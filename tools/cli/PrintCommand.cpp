#include "PrintCommand.h"

#include "CliContext.h"
#include "report/ReportPdf.h"

#include <QCommandLineParser>
#include <QLocale>

QString PrintCommand::usageLines() const
{
    return tr("  print FILE.R70 -o LIST.pdf [--all] [--paper A4|Letter]\n"
                          "                                        write the channel list as PDF\n");
}

int PrintCommand::run(CliContext &context, const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption outputOption(QStringLiteral("o"), tr("PDF file to write."),
                                          QStringLiteral("LIST.pdf"));
    const QCommandLineOption allOption(QStringLiteral("all"), tr("List all 604 channel rows."));
    const QCommandLineOption paperOption(QStringLiteral("paper"), tr("A4 or Letter (default: the locale's)."),
                                         QStringLiteral("SIZE"));
    parser.addOption(outputOption);
    parser.addOption(allOption);
    parser.addOption(paperOption);
    const int early = context.parse(parser, name(), arguments,
                                    tr("Writes a clone file's channel list as PDF: settings, VFOs and the\n"
                                                   "channels in use (all rows with --all)."),
                                    QStringLiteral("FILE.R70"));
    if (early >= 0)
        return early;
    const QString paper = parser.value(paperOption);
    const auto is = [&paper](const char *size) { return paper.compare(QLatin1String(size), Qt::CaseInsensitive) == 0; };
    if (parser.positionalArguments().size() != 1 || !parser.isSet(outputOption)
        || (!paper.isEmpty() && !is("A4") && !is("Letter")))
        return context.usage(tr("print needs FILE.R70, -o LIST.pdf and --paper A4 or Letter"));
    if (const int refused = context.refuseOutputThatIsAnInput(parser.value(outputOption), parser.positionalArguments());
        refused >= 0)
        return refused;
    CloneImage image;
    const QString path = parser.positionalArguments().first();
    if (!context.loadImage(image, path))
        return CliContext::FileFailed;
    ReportOptions options;
    options.allRows = parser.isSet(allOption);
    options.fileName = path;
    options.paper = paper.isEmpty() ? ReportOptions::paperForLocale(QLocale())
                                    : (is("A4") ? QPageSize::A4 : QPageSize::Letter);
    const FileResult result = ReportPdf::write(parser.value(outputOption), image, options);
    if (!result.ok())
        return context.reportFile(result.message(), result.detail());
    return CliContext::Success;
}
