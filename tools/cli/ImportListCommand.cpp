#include "ImportListCommand.h"

#include "CliContext.h"
#include "codec/ChannelLabel.h"
#include "codec/SafeText.h"
#include "files/ChannelListImport.h"
#include "files/CloneFile.h"

#include <QCommandLineParser>
#include <QTextStream>

QString ImportListCommand::usageLines() const
{
    return tr("  import-list FILE.R70 IN.csv -o OUT.R70 [--at SLOT | --keep-location] [--yes]\n"
                          "                                        store another program's channel list into a copy\n");
}

int ImportListCommand::run(CliContext &context, const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption outputOption(QStringLiteral("o"), tr("Clone file to write."),
                                          QStringLiteral("OUT.R70"));
    const QCommandLineOption atOption(QStringLiteral("at"), tr("First slot to fill (0, 17, A 5, B-P2); 0 by default."),
                                      QStringLiteral("SLOT"));
    const QCommandLineOption keepOption(QStringLiteral("keep-location"),
                                        tr("Store each row in the slot its Location names."));
    const QCommandLineOption yesOption(QStringLiteral("yes"),
                                       tr("Do not ask before writing (needed without a terminal to ask on)."));
    parser.addOptions({outputOption, atOption, keepOption, yesOption});
    const int early = context.parse(parser, name(), arguments,
                                    tr("Reads a channel list in the CSV layout most radio programmers,\n"
                                                   "repeater directories and club lists write, shows what each row\n"
                                                   "becomes on this radio (its slot, what was adjusted, the rows\n"
                                                   "refused and why), then stores it into a copy of a clone file.\n"
                                                   "Rows go into the slots from --at on in file order, or by their\n"
                                                   "Location with --keep-location."),
                                    QStringLiteral("FILE.R70 IN.csv"));
    if (early >= 0)
        return early;
    if (parser.positionalArguments().size() != 2 || !parser.isSet(outputOption)
        || (parser.isSet(atOption) && parser.isSet(keepOption)))
        return context.usage(tr("import-list needs FILE.R70, IN.csv, -o OUT.R70 and at most one of "
                                            "--at/--keep-location"));
    if (const int refused = context.refuseOutputThatIsAnInput(parser.value(outputOption), parser.positionalArguments());
        refused >= 0)
        return refused;
    const int first = parser.isSet(atOption) ? ChannelLabel::rowOf(parser.value(atOption)) : 0;
    if (first < 0)
        return context.usage(tr("--at %1 names no slot").arg(SafeText::escaped(parser.value(atOption))));

    CloneImage image;
    if (!context.loadImage(image, parser.positionalArguments().at(0)))
        return CliContext::FileFailed;
    const auto placement = parser.isSet(keepOption) ? ChannelListImport::Placement::ByLocation
                                                    : ChannelListImport::Placement::FromSlot;
    const ChannelListImport::Plan plan =
        ChannelListImport::planFile(parser.positionalArguments().at(1), image, placement, first);
    if (!plan.file.ok())
        return context.reportFile(plan.file.message(), plan.file.detail());

    QTextStream &out = context.out();
    for (const ChannelListImport::Row &row : plan.rows)
        out << SafeText::escaped(row.reportLine()) << "\n";
    out << SafeText::escaped(plan.summary()) << "\n";
    const QString target = parser.value(outputOption);
    if (plan.storedCount() == 0) {
        context.err() << tr("nothing to store: %1 was not written").arg(SafeText::escaped(target)) << "\n";
        return CliContext::TransferFailed;
    }
    if (!parser.isSet(yesOption)) {
        if (!context.interactive)
            return context.refuse(tr("import-list asks before writing, and there is no terminal to ask "
                                                "on: add --yes to write without asking"));
        if (!context.askOnTerminal(tr("Store them into %1?").arg(SafeText::escaped(target)))) {
            out << tr("Nothing was written.") << "\n";
            return CliContext::Success;
        }
    }
    const FileResult saved = CloneFile::write(target, plan.appliedTo(image));
    if (!saved.ok())
        return context.reportFile(saved.message(), saved.detail());
    out << tr("Wrote %1").arg(SafeText::escaped(target)) << "\n";
    return CliContext::Success;
}
