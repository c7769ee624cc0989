#pragma once

#include <QString>
#include <QStringList>

// The channel-list layout that radio programmers, repeater directories
// and club lists share: its columns, its frequencies in megahertz and its
// mode names, against this radio's.
class ListLayout
{
public:
    enum Column {
        Location, Name, Frequency, Duplex, Offset, Tone, RToneFreq, CToneFreq, DtcsCode, DtcsPolarity,
        RxDtcsCode, CrossMode, Mode, TStep, Skip, Power, Comment, UrCall, Rpt1Call, Rpt2Call, DvCode,
        ColumnCount
    };

    // "Location", "Name", "Frequency", ... "DVCODE", in column order.
    static const QStringList &header();

    // Hertz as megahertz with six decimals: 14074000 -> "14.074000".
    static QString megahertz(qint64 hz);
    // Megahertz as the layout writes them ("14.074000", "7.1", "146.7",
    // "14.0740001" rounded to the hertz) in hertz; -1 for a text that is
    // none or beyond 4 294 MHz.
    static qint64 hertzOf(const QString &text);

    // The layout's name of the radio's mode code: CWU is "CW", CWL "CWR".
    static QString modeName(int modeCode);
    // The radio's mode code for a mode of the layout, -1 for one the radio
    // lacks; `approximated` is set when the radio's mode only comes near
    // (NFM is stored as FM).
    static int modeCode(const QString &name, bool &approximated);
};
