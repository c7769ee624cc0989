#include "ForkedChild.h"

#include <vector>

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Forks; the child sends its `body`'s output down a pipe and ends.
ForkedChild::Outcome forkWith(const std::function<QByteArray(int pipeEnd)> &body)
{
    ForkedChild::Outcome outcome;
    int fds[2];
    if (::pipe(fds) != 0)
        return outcome;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        const QByteArray output = body(fds[1]);
        const bool sent = ::write(fds[1], output.constData(), size_t(output.size())) == output.size();
        ::_exit(sent ? 0 : 1);
    }
    ::close(fds[1]);
    if (pid < 0) {
        ::close(fds[0]);
        return outcome;
    }
    char buffer[4096];
    ssize_t n;
    while ((n = ::read(fds[0], buffer, sizeof buffer)) > 0)
        outcome.output.append(buffer, int(n));
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    outcome.exited = WIFEXITED(status);
    outcome.exitCode = outcome.exited ? WEXITSTATUS(status) : -1;
    outcome.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    return outcome;
}

} // namespace

ForkedChild::Outcome ForkedChild::run(const std::function<QByteArray()> &work)
{
    return forkWith([&](int) { return work(); });
}

ForkedChild::Outcome ForkedChild::exec(const QByteArray &program, const QList<QByteArray> &arguments)
{
    return forkWith([&](int pipeEnd) {
        ::dup2(pipeEnd, STDERR_FILENO);
        std::vector<char *> argv{const_cast<char *>(program.constData())};
        for (const QByteArray &argument : arguments)
            argv.push_back(const_cast<char *>(argument.constData()));
        argv.push_back(nullptr);
        ::execv(program.constData(), argv.data());
        ::_exit(127);
        return QByteArray();
    });
}

bool ForkedChild::becomeNobody()
{
    return ::setgroups(0, nullptr) == 0 && ::setgid(NobodyId) == 0 && ::setuid(NobodyId) == 0;
}
