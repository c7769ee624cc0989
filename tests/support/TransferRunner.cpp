#include "TransferRunner.h"

#include "session/RadioSession.h"

#include <QEventLoop>

#include <functional>
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
    return runJob(session, found->second).transfer;
}

namespace {

SessionResult followToEnd(RadioSession &session, const std::function<bool()> &start)
{
    SessionResult result;
    QEventLoop loop;
    const QMetaObject::Connection ended =
        QObject::connect(&session, &RadioSession::finished, &loop, [&](const SessionResult &finished) {
            result = finished;
            loop.quit();
        });
    if (start())
        loop.exec();
    else
        result.transfer = TransferResult(TransferResult::Outcome::Refused);
    QObject::disconnect(ended);
    return result;
}

} // namespace

SessionResult runJob(RadioSession &session, RadioSession::Job job)
{
    return followToEnd(session, [&] { return session.start(job); });
}

SessionResult runWriteChanges(RadioSession &session, const RadioSession::Confirm &confirm)
{
    return followToEnd(session, [&] { return session.startWriteChanges(confirm); });
}
