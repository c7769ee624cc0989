#pragma once

#include <QCoreApplication>

#include "codec/DecodeResult.h"
#include "codec/SettingsTable.h"

#include <QString>

// The two settings records <-> the 32 list selections.
class SettingsCodec
{
    Q_DECLARE_TR_FUNCTIONS(SettingsCodec)

public:
    static constexpr const char *FactoryLine1 =
        "A50000000003000E000000000000000000000320010101010808080000000000";
    static constexpr const char *FactoryLine2 =
        "0000000000000000000001010100000000000000000000000000000000000000";

    struct Lines
    {
        QString line1;
        QString line2;
    };

    // Every selection from the two lines. On failure (a byte that is no
    // position of its list, or a line that is no record text) `selections`
    // is left as it was and the result names the list ("cmbWPM") or the
    // line ("SettingsLine1").
    static DecodeResult decode(const QString &line1, const QString &line2,
                                       SettingSelections &selections);
    // Both lines rebuilt from the selections; unmapped bytes get their
    // constants.
    static Lines encode(const SettingSelections &selections);
};
