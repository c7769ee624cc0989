#pragma once

#include <QCoreApplication>

#include "codec/ChannelRow.h"
#include "codec/DecodeResult.h"
#include "codec/RecordText.h"

#include <QChar>
#include <QString>

// Memory channel records <-> channel rows.
class ChannelCodec
{
    Q_DECLARE_TR_FUNCTIONS(ChannelCodec)

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

    // Decodes bytes 1-9 (mode .. noise blanker) and the frequency into
    // `tuning`, once every listed code names an item; otherwise `tuning`
    // is left alone and the failure names "mode" or "tone". Shared with
    // the VFO codec.
    static DecodeResult decodeCommonFields(const Record &b, Tuning &tuning);
    // Puts the listed codes into bytes 1-9 and the frequency into its field.
    static void encodeCommonFields(const Tuning &tuning, Record &b);
};
