#pragma once

#include "DecodeResult.h"

class Module1;

// SettingsLine1/SettingsLine2 <-> the 32 list selections.
class SettingsCodec
{
public:
    static constexpr const char *FactoryLine1 =
        "A50000000003000E000000000000000000000320010101010808080000000000";
    static constexpr const char *FactoryLine2 =
        "0000000000000000000001010100000000000000000000000000000000000000";

    static void LoadDefaultSettings(Module1 &state);
    // Sets every selection from the two lines. On failure (a byte that is no
    // position of its list, or a line that is no record text) no selection
    // changes and the result names the list ("cmbWPM") or the line.
    static DecodeResult DecodeSettings(Module1 &state);
    // Rebuilds both lines from the selections.
    static void EncodeSettings(Module1 &state);
};
