#pragma once

#include <functional>

#include "codec/ChannelRow.h"
#include "codec/DecodeResult.h"
#include "codec/RecordText.h"

#include <QChar>
#include <QString>

// Memory channel records <-> channel rows.
class ChannelCodec
{
public:
    // Decodes a record text into `row`. On failure (a record text that is
    // not 64 hex digits, a mode or tone byte without a table entry) `row`
    // is left exactly as it was and the result names the field. A record
    // whose status is not in use empties columns 0-10; the spare columns
    // keep their cells.
    static DecodeResult decode(const QString &recordText, ChannelRow &row);
    // The record text of a row.
    static QString encode(const ChannelRow &row);

    // The radio's code for a name character; -1 when it has none.
    static int nameCharCode(QChar c);
    // The character of a name code; a null QChar when the code is none.
    static QChar nameChar(int code);

    // Decodes bytes 1-9 (mode .. noise blanker): `set` gets each listed
    // column's code, once every one of them names an item. Failure names
    // "mode" or "tone". Shared with the VFO codec.
    static DecodeResult decodeCommonFields(const Record &b, const std::function<void(ChannelColumn column, int code)> &set);
    // Puts columns 1-7 (value points at column 0) into bytes 1-9.
    static void encodeCommonFields(const double *value, Record &b);
};
