#pragma once

#include <QCoreApplication>

#include "Command.h"

#include <QCommandLineOption>

#include <memory>

class CloneDocument;
class CloneImage;
class QCommandLineParser;
class RadioPort;
class RadioSession;

// A command that talks to the radio: it owns the --port option and, once
// the command's options are parsed, the port it names, the document the
// radio's records go into or come from, and the session on both, with the
// run's timing and backups folder.
class RadioCommand : public Command
{
    Q_DECLARE_TR_FUNCTIONS(RadioCommand)

public:
    RadioCommand();
    ~RadioCommand() override;

protected:
    const QCommandLineOption &portOption() const { return m_portOption; }
    // Opens what --port names and makes the session on a document holding
    // `image`; false, with the exit status in `exitCode`, when --port
    // names no port.
    bool connectRadio(CliContext &context, const QCommandLineParser &parser, const CloneImage &image, int &exitCode);
    CloneDocument &document() { return *m_document; }
    RadioSession &session() { return *m_session; }

private:
    QCommandLineOption m_portOption;
    std::unique_ptr<RadioPort> m_port;
    std::unique_ptr<CloneDocument> m_document;
    std::unique_ptr<RadioSession> m_session;
};
