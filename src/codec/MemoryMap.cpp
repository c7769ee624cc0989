#include "codec/MemoryMap.h"

QString MemoryMap::addressText(int address)
{
    return QStringLiteral("%1").arg(address & 0xFFFF, 4, 16, QLatin1Char('0')).toUpper();
}
