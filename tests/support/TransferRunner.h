#pragma once

#include "link/RadioPort.h"
#include "session/RadioSession.h"

#include <QEventLoop>
#include <QString>
#include <QThread>

#include <optional>

// Runs the job called `name` on `session` to its end: "readMemory",
// "writeMemory", "readSettings", "writeSettings", "autoSelect", "readAll"
// or "writeAll".
TransferResult runTransfer(RadioSession &session, const QString &name);
// Runs `job` (Write Changes with `confirm`) to its end, this thread's event
// loop running meanwhile; Refused when the session refused to start it.
SessionResult runJob(RadioSession &session, RadioSession::Job job);
SessionResult runWriteChanges(RadioSession &session, const RadioSession::Confirm &confirm);

// Runs `work` on a thread of its own with `port` moved there for the time,
// as a transfer runs on the session's worker, while this thread's event
// loop runs (so that a radio faked on this thread answers meanwhile).
template <typename Work>
auto onWorkerThread(RadioPort &port, Work work) -> decltype(work())
{
    QThread *home = QThread::currentThread();
    std::optional<decltype(work())> result;
    std::unique_ptr<QThread> worker(QThread::create([&] {
        result = work();
        port.moveTo(home);
    }));
    port.moveTo(worker.get());
    QEventLoop loop;
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    loop.exec();
    worker->wait();
    return *result;
}
