#include "IdentifyCommand.h"

#include "CliContext.h"
#include "app/CloneDocument.h"
#include "link/RadioPort.h"
#include "session/RadioSession.h"

#include <QCommandLineParser>
#include <QTextStream>

QString IdentifyCommand::usageLines() const
{
    return tr("  identify --port P                     print the radio's model variant\n");
}

int IdentifyCommand::run(CliContext &context, const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption &port = portOption();
    parser.addOption(port);
    const int early = context.parse(parser, name(), arguments,
                                    tr("Asks the radio for its model variant and coverage version."));
    if (early >= 0)
        return early;
    if (!parser.isSet(port) || !parser.positionalArguments().isEmpty())
        return context.usage(tr("identify needs --port P"));

    int exitCode = CliContext::Usage;
    if (!connectRadio(context, parser, CloneImage(), exitCode))
        return exitCode;
    RadioSession &session = this->session();
    const CloneDocument &document = this->document();
    const SessionResult result = context.run(session, [&] { return session.start(RadioSession::Job::AutoSelect); });
    if (!result.ok())
        return context.reportTransfer(result.transfer);
    context.out() << Vocabulary::modelName(document.image().modelVariant) << "\n"
                  << tr("extended coverage: %1").arg(document.image().extendedRange ? tr("yes") : tr("no")) << "\n";
    return CliContext::Success;
}
