#include "TransferRunner.h"

#include "session/RadioSession.h"

#include <map>

TransferResult runTransfer(RadioSession &session, const QString &name)
{
    using Job = RadioSession::Job;
    static const std::map<QString, Job> jobs = {
        {QStringLiteral("readMemory"), Job::ReadMemory},     {QStringLiteral("writeMemory"), Job::WriteMemory},
        {QStringLiteral("readSettings"), Job::ReadSettings}, {QStringLiteral("writeSettings"), Job::WriteSettings},
        {QStringLiteral("autoSelect"), Job::AutoSelect},     {QStringLiteral("readAll"), Job::ReadAll},
        {QStringLiteral("writeAll"), Job::WriteAll},
    };
    const auto found = jobs.find(name);
    if (found == jobs.end())
        qFatal("no transfer %s", qPrintable(name));
    return session.run(found->second).transfer;
}
