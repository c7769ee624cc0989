#include "TransferRunner.h"

#include "TransferEngine.h"

#include <functional>
#include <map>

TransferResult runTransfer(TransferEngine &engine, const QString &name)
{
    static const std::map<QString, std::function<TransferResult(TransferEngine &)>> transfers = {
        {QStringLiteral("readMemory"), &TransferEngine::readMemory},
        {QStringLiteral("writeMemory"), &TransferEngine::writeMemory},
        {QStringLiteral("readSettings"), &TransferEngine::readSettings},
        {QStringLiteral("writeSettings"), &TransferEngine::writeSettings},
        {QStringLiteral("autoSelect"), &TransferEngine::autoSelect},
        {QStringLiteral("readAll"), &TransferEngine::readAll},
        {QStringLiteral("writeAll"), &TransferEngine::writeAll},
    };
    const auto found = transfers.find(name);
    if (found == transfers.end())
        qFatal("no transfer %s", qPrintable(name));
    return found->second(engine);
}
