#include "app/SignalWatcher.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::array<int, 3> WatchedSignals = {SIGTERM, SIGINT, SIGHUP};

// The pipe the handler writes into: [0] read end, [1] write end.
int s_pipe[2] = {-1, -1};
volatile sig_atomic_t s_endsAtOnce = 0;
volatile sig_atomic_t s_deferring = 0;
volatile sig_atomic_t s_pending = 0;

} // namespace

SignalWatcher::SignalWatcher(Mode mode, QObject *parent)
    : QObject(parent)
{
    s_endsAtOnce = mode == Mode::EndUnlessDeferred ? 1 : 0;
    if (::pipe2(s_pipe, O_NONBLOCK | O_CLOEXEC) != 0)
        return;
    struct sigaction action {};
    action.sa_handler = &SignalWatcher::handle;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signalNumber : WatchedSignals) {
        if (::sigaction(signalNumber, &action, nullptr) != 0)
            return;
    }
    m_notifier = new QSocketNotifier(s_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SignalWatcher::drain);
}

SignalWatcher::~SignalWatcher()
{
    // The watcher goes when the process ends: a request arriving during
    // the rest of the teardown must not kill it halfway (the exit status
    // would be lost), so it is ignored.
    struct sigaction action {};
    action.sa_handler = SIG_IGN;
    sigemptyset(&action.sa_mask);
    for (int signalNumber : WatchedSignals)
        ::sigaction(signalNumber, &action, nullptr);
    delete m_notifier;
    for (int &fd : s_pipe) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

void SignalWatcher::setDeferring(bool on)
{
    if (on)
        s_pending = 0;
    s_deferring = on ? 1 : 0;
}

void SignalWatcher::handle(int signalNumber)
{
    if (s_endsAtOnce != 0 && (s_deferring == 0 || s_pending != 0))
        ::_exit(ExitBase + signalNumber);  // async-signal-safe; nothing is flushed
    s_pending = 1;
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    // Async-signal-safe; a full pipe already holds a pending request.
    [[maybe_unused]] const ssize_t written = ::write(s_pipe[1], &byte, 1);
    errno = saved;
}

void SignalWatcher::drain()
{
    unsigned char byte = 0;
    int last = 0;
    while (::read(s_pipe[0], &byte, 1) == 1)
        last = byte;
    if (last != 0)
        emit terminationRequested(last);
}
