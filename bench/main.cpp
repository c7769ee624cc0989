// qtr70-bench: Read Memory and Write Memory against the virtual radio at
// the real pace of the wire, with the real serial port path and the real
// timeouts and pauses.

#include "CountingPort.h"
#include "Module1.h"
#include "SerialRadioPort.h"
#include "SimProcess.h"
#include "TransferBench.h"
#include "TransferEngine.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

// The pauses each transfer makes: one after every slot and one in the end
// command for Read Memory; for Write Memory also one after the model check
// and one before the end command.
constexpr int ReadMemoryPauses = Module1::ChannelCount + 1;
constexpr int WriteMemoryPauses = Module1::ChannelCount + 3;

void print(const QString &line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsEmpty("QTR70_SIM_BIN"))
        qputenv("QTR70_SIM_BIN", QTR70_SIM_DEFAULT);

    SimProcess sim;
    if (!sim.start({QStringLiteral("--pace")})) {
        print(QStringLiteral("qtr70-bench: could not start the virtual radio (%1)")
                  .arg(qEnvironmentVariable("QTR70_SIM_BIN")));
        return 1;
    }

    Module1 state;
    SerialRadioPort serial;
    serial.setDevicePath(sim.devicePath());
    CountingPort port(serial);
    TransferEngine engine(state, port);
    const int pauseMs = TransferEngine::DefaultPauseMs;

    print(QStringLiteral("Virtual radio on %1, paced at 9600 baud").arg(sim.devicePath()));
    const TransferBench::Figures read = TransferBench::measure(
        QStringLiteral("Read Memory "), port, ReadMemoryPauses, pauseMs, [&] { return engine.readMemory(); });
    print(TransferBench::report(read));
    const TransferBench::Figures write = TransferBench::measure(
        QStringLiteral("Write Memory"), port, WriteMemoryPauses, pauseMs, [&] { return engine.writeMemory(); });
    print(TransferBench::report(write));

    sim.stop();
    return read.ok && write.ok ? 0 : 1;
}
