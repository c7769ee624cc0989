#pragma once

// How a file operation treats a name that is not a regular file: a FIFO, a
// terminal, a device.
enum class FileAccess {
    // The command-line tool's way, for pipes in scripts: any readable file
    // is read; a FIFO or a device is written into, waiting for its reader.
    Streams,
    // The window's way: nothing may block it. An input must be a regular
    // file; an output into a FIFO without a reader fails at once, and one
    // whose reader stops taking data fails after OutputStallMs.
    NeverBlock,
};
