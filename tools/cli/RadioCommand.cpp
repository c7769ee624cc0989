#include "RadioCommand.h"

#include "CliContext.h"
#include "app/CloneDocument.h"
#include "link/RadioPort.h"
#include "session/RadioSession.h"

#include <QCommandLineParser>

RadioCommand::RadioCommand()
    : m_portOption(QStringLiteral("port"), tr("Port number 1-14 or device path."), QStringLiteral("P"))
{
}

RadioCommand::~RadioCommand()
{
    // The session goes before the document and the port it works on.
    m_session.reset();
}

bool RadioCommand::connectRadio(CliContext &context, const QCommandLineParser &parser, const CloneImage &image,
                                int &exitCode)
{
    m_session.reset();
    m_port = context.openPort(parser.value(m_portOption), exitCode);
    if (!m_port)
        return false;
    m_document = std::make_unique<CloneDocument>();
    m_document->setImage(image);
    m_session = std::make_unique<RadioSession>(*m_document, *m_port);
    context.configure(*m_session);
    return true;
}
