#pragma once

#include "DecodeResult.h"
#include "RecordText.h"

#include <QChar>
#include <QString>

class Module1;

// Memory channel records <-> channel table rows.
class ChannelCodec
{
public:
    // Decodes a record text into channel table row n. On failure the row
    // keeps its previous content.
    static DecodeResult DecodeChannel(Module1 &state, const QString &recordText, int n);
    // The record text of channel table row n.
    static QString EncodeChannel(const Module1 &state, int n);

    // The radio's code for a name character; -1 when it has none.
    static int NameCharCode(QChar c);
    // The character of a name code; a null QChar when the code is none.
    static QChar NameChar(int code);

    // Texts of the shared fields, used by the channel and VFO codecs and by
    // the edit dialog.
    static QString gainText(int value);
    static QString agcText(int value);
    static QString powerText(int value);
    static QString filterText(int value);
    static QString noiseBlankerText(int value);
    // "Off" for 0..7Fh, the tone name for 80h..A6h, empty for others.
    static QString toneText(const Module1 &state, int value);

    // Decodes bytes 1-9 (mode .. noise blanker) into table columns 1..7 of
    // the given text and value cells. Failure names "mode" or "tone".
    // `text` and `value` point at column 0 of a row.
    static DecodeResult decodeCommonFields(const Module1 &state, const Record &b,
                                           QString *text, double *value);
    // Puts table columns 1..7 of a row (value points at column 0) into
    // bytes 1-9.
    static void encodeCommonFields(const double *value, Record &b);
};
