#pragma once

// Asks a serial driver to hand over what arrives at once. A USB serial
// adapter passes the host a packet when its buffer fills or when its
// latency timer runs out (16 ms by default on Linux); with low latency
// asked for, the FTDI driver sets that timer to 1 ms, and the tail of
// every reply comes that much sooner. A driver without the request (a
// pseudo-terminal, most others) refuses it, which changes nothing.
class LowLatency
{
public:
    // Sets ASYNC_LOW_LATENCY on the open device `fd` (TIOCGSERIAL, then
    // TIOCSSERIAL); true when the driver took it. Only on Linux.
    static bool request(int fd);
};
