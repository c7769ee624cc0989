// Preloaded into the real program, this makes every terminal it opens look
// like a serial driver that knows the low-latency request: TIOCGSERIAL
// answers with empty settings, TIOCSSERIAL writes the flags it was given
// to the file QTR70_SERIAL_SHIM_LOG and succeeds, or, when
// QTR70_SERIAL_SHIM is "refuse", fails as a driver without it does.
// Every other call goes to the system.

#include <dlfcn.h>
#include <linux/serial.h>
#include <sys/ioctl.h>

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

extern "C" int ioctl(int fd, unsigned long request, ...)
{
    va_list args;
    va_start(args, request);
    void *argument = va_arg(args, void *);
    va_end(args);

    if (request == TIOCGSERIAL) {
        std::memset(argument, 0, sizeof(serial_struct));
        return 0;
    }
    if (request == TIOCSSERIAL) {
        if (const char *log = std::getenv("QTR70_SERIAL_SHIM_LOG")) {
            if (FILE *file = std::fopen(log, "a")) {
                std::fprintf(file, "TIOCSSERIAL flags=%#x\n", unsigned(static_cast<serial_struct *>(argument)->flags));
                std::fclose(file);
            }
        }
        const char *mode = std::getenv("QTR70_SERIAL_SHIM");
        if (mode && std::strcmp(mode, "refuse") == 0) {
            errno = EINVAL;
            return -1;
        }
        return 0;
    }
    using Call = int (*)(int, unsigned long, void *);
    static const Call system = reinterpret_cast<Call>(dlsym(RTLD_NEXT, "ioctl"));
    return system(fd, request, argument);
}
