// Arbitrary replies through the exchange primitive into every block command
// and a settings read. Each command accepts exactly the replies of its
// form, echoing the command sent; a settings read keeps the settings lines and selections in step,
// and a failed one leaves the VFO rows as they were.
#include "link/BlockCommands.h"
#include "FuzzPort.h"
#include "FuzzState.h"
#include "app/CloneDocument.h"
#include "codec/MemoryMap.h"
#include "codec/SettingsCodec.h"
#include "link/LineExchange.h"
#include "link/TransferEngine.h"

#include <QCoreApplication>

#include <memory>

namespace {

bool endsWithOk(const QByteArray &reply)
{
    return reply.endsWith("OK\r\n");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_replies";
    static char *argv[] = {name, nullptr};
    static const std::unique_ptr<QCoreApplication> app(
        QCoreApplication::instance() ? nullptr : new QCoreApplication(argc, argv));
    static const CloneImage base = FuzzState::sample();
    if (size < 1)
        return 0;

    FuzzPort port(data + 1, size - 1);
    port.open();
    LineExchange exchange(port);
    exchange.setReplyTimeoutMs(0);
    exchange.setEndPauseMs(0);
    BlockCommands commands(exchange);

    switch (data[0] % 5) {
    case 0: {
        const BlockCommands::RecordReply r = commands.readRecord(MemoryMap::SettingsRecord1);
        const QByteArray reply = port.lastReply();
        FUZZ_CHECK(r.ok() == (reply.size() == BlockCommands::ReadReplyLength && reply.endsWith('\n')
                              && reply.startsWith(BlockCommands::readCommand(MemoryMap::SettingsRecord1).toLatin1())));
        if (r.ok())
            FUZZ_CHECK(r.recordText == QString::fromLatin1(reply.mid(11, 64)));
        break;
    }
    case 1: {
        const QString record(64, QLatin1Char('0'));
        const BlockCommands::Reply r = commands.writeRecord(MemoryMap::VfoA, record);
        const QByteArray reply = port.lastReply();
        FUZZ_CHECK(r.ok() == (reply.size() == BlockCommands::WriteReplyLength && endsWithOk(reply)
                              && reply.startsWith(BlockCommands::writeCommand(MemoryMap::VfoA, record).toLatin1())));
        break;
    }
    case 2: {
        const BlockCommands::Reply r = commands.checkModel();
        if (r.ok())
            FUZZ_CHECK(port.lastReply().size() == BlockCommands::CheckReplyLength && endsWithOk(port.lastReply()));
        break;
    }
    case 3: {
        const BlockCommands::Identity id = commands.identifyRadio();
        const QByteArray reply = port.lastReply();
        FUZZ_CHECK(id.ok() == (reply.size() == BlockCommands::IdentifyReplyLength && reply.endsWith('\n')
                               && reply.startsWith(BlockCommands::identifyCommand().toLatin1())
                               && (reply.mid(8, 5) == "QTR70" || reply.mid(8, 5) == "QTR60")));
        if (id.ok())
            FUZZ_CHECK(id.variantCode == QString::fromLatin1(reply.mid(13, 2))
                       && id.rangeCode == QString::fromLatin1(reply.mid(17, 2)));
        break;
    }
    default: {
        TransferEngine engine(port);
        engine.exchange().setReplyTimeoutMs(0);
        engine.exchange().setEndPauseMs(0);
        engine.setPauseMs(0);
        const TransferEngine::Transfer transfer = engine.readSettings(base);
        const TransferResult &result = transfer.result;
        const CloneImage &image = transfer.image;
        FUZZ_CHECK(FuzzState::sizesIntact(image));
        FUZZ_CHECK(!engine.isBusy());
        // The settings lines and the selections always stand for each other.
        SettingSelections decoded{};
        FUZZ_CHECK(SettingsCodec::decode(image.settingsLine1, image.settingsLine2, decoded).ok());
        FUZZ_CHECK(decoded == image.selections);
        if (!result.ok()) {
            FUZZ_CHECK(!result.message().isEmpty());
            FUZZ_CHECK(image.vfos == base.vfos);
        }
        break;
    }
    }
    return 0;
}
