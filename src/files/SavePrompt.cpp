#include "files/SavePrompt.h"

#include "app/CloneDocument.h"

bool SavePrompt::confirm(const CloneDocument &state, const std::function<Answer()> &ask,
                                    const std::function<bool()> &save)
{
    if (!state.hasUnsavedChanges())
        return true;
    switch (ask()) {
    case Answer::Cancel:
        return false;
    case Answer::No:
        return true;
    case Answer::Yes:
        break;
    }
    return save();
}
