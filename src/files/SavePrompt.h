#pragma once

#include <functional>

class CloneDocument;

// What happens to unsaved changes before New, Open or closing.
class SavePrompt
{
public:
    enum class Answer { Yes, No, Cancel };

    // Proceed (true) or abort (false). Without unsaved changes: proceed
    // without asking. Otherwise asks "Save changes to settings?": Cancel
    // aborts; No proceeds; Yes runs `save` and proceeds only when it saved
    // (a cancelled or failed save aborts, so no change is lost).
    static bool confirm(const CloneDocument &state,
                                   const std::function<Answer()> &ask,
                                   const std::function<bool()> &save);
};
