#pragma once

#include "link/TransferResult.h"

#include <QString>

class RadioSession;

// Runs the job called `name` on `session`: "readMemory", "writeMemory",
// "readSettings", "writeSettings", "autoSelect", "readAll" or "writeAll".
TransferResult runTransfer(RadioSession &session, const QString &name);
