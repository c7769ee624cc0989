#include "TransferBench.h"

#include "CountingPort.h"
#include "link/TransferResult.h"

#include <QElapsedTimer>

#include <sys/resource.h>

double TransferBench::cpuSecondsUsed()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval &t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

TransferBench::Figures TransferBench::measure(const QString &name, CountingPort &port, int pauses, int pauseMs,
                                              const std::function<TransferResult()> &transfer)
{
    Figures figures;
    figures.name = name;
    port.resetCounts();

    const double cpuBefore = cpuSecondsUsed();
    QElapsedTimer clock;
    clock.start();
    const TransferResult result = transfer();
    figures.seconds = double(clock.nsecsElapsed()) / 1e9;
    figures.cpuSeconds = cpuSecondsUsed() - cpuBefore;

    figures.ok = result.ok();
    if (!figures.ok)
        figures.failure = result.message() + QStringLiteral(" (") + result.detail() + QStringLiteral(")");
    figures.characters = port.sent() + port.received();
    figures.exchanges = port.writes();
    figures.reads = port.reads();
    figures.wireBound = double(figures.characters) * CharacterSeconds + pauses * pauseMs / 1000.0;
    return figures;
}

QString TransferBench::report(const Figures &f)
{
    if (!f.ok)
        return QStringLiteral("%1: FAILED: %2").arg(f.name, f.failure);
    return QStringLiteral("%1: measured %2 s, wire bound %3 s (%4 characters), ratio %5 (target <= %6), "
                          "CPU %7 s = %8 % of wall time (target <= %9 %), "
                          "%10 wake-ups per record (%11 reads of the port in %12 exchanges, target <= %13)%14")
        .arg(f.name)
        .arg(f.seconds, 0, 'f', 3)
        .arg(f.wireBound, 0, 'f', 3)
        .arg(f.characters)
        .arg(f.ratio(), 0, 'f', 4)
        .arg(TargetRatio, 0, 'f', 2)
        .arg(f.cpuSeconds, 0, 'f', 3)
        .arg(100 * f.cpuShare(), 0, 'f', 2)
        .arg(100 * f.cpuTarget, 0, 'f', 1)
        .arg(f.readsPerExchange(), 0, 'f', 2)
        .arg(f.reads)
        .arg(f.exchanges)
        .arg(TargetReadsPerExchange, 0, 'f', 0)
        .arg(f.onTarget() ? QString() : QStringLiteral("  ** OFF TARGET **"));
}
