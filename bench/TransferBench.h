#pragma once

#include <QString>

#include <functional>

class CountingPort;
class TransferResult;

// Runs one transfer and compares its time with the least the wire allows:
// every character exchanged at 9600 baud, 10 bits each, plus the pauses the
// transfer makes. Also counts how often the program woke to read the port:
// the reads that brought characters, per command sent.
class TransferBench
{
public:
    static constexpr double CharacterSeconds = 10.0 / 9600.0;
    static constexpr double TargetRatio = 1.03;
    static constexpr double TargetCpuShare = 0.005;
    // The desktop window draws what a transfer does as well.
    static constexpr double WindowTargetCpuShare = 0.02;
    static constexpr double TargetReadsPerExchange = 4;

    struct Figures
    {
        QString name;
        bool ok = false;
        QString failure;
        double seconds = 0;
        double wireBound = 0;
        double cpuSeconds = 0;
        qint64 characters = 0;
        qint64 exchanges = 0;
        qint64 reads = 0;
        double cpuTarget = TargetCpuShare;
        double ratio() const { return wireBound > 0 ? seconds / wireBound : 0; }
        double cpuShare() const { return seconds > 0 ? cpuSeconds / seconds : 0; }
        double readsPerExchange() const { return exchanges > 0 ? double(reads) / double(exchanges) : 0; }
        bool onTarget() const
        {
            return ok && ratio() <= TargetRatio && cpuShare() <= cpuTarget
                && readsPerExchange() <= TargetReadsPerExchange;
        }
    };

    // `pauses`: how many pauses of `pauseMs` the transfer makes.
    static Figures measure(const QString &name, CountingPort &port, int pauses, int pauseMs,
                           const std::function<TransferResult()> &transfer);
    static QString report(const Figures &figures);
    // The CPU time this process has used, user and system.
    static double cpuSecondsUsed();
    // Several radios at once against one: no radio may take much longer
    // for having company.
    static constexpr double SeveralRadiosTargetRatio = 1.10;
};
