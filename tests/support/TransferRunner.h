#pragma once

#include "TransferResult.h"

#include <QString>

class TransferEngine;

// Runs the transfer called `name` on `engine`: "readMemory", "writeMemory",
// "readSettings", "writeSettings", "autoSelect", "readAll" or "writeAll".
TransferResult runTransfer(TransferEngine &engine, const QString &name);
