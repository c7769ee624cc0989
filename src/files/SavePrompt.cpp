#include "files/SavePrompt.h"

#include "app/Module1.h"

bool SavePrompt::ConfirmSaveChanges(const Module1 &state, const std::function<Answer()> &ask,
                                    const std::function<bool()> &save)
{
    if (!state.DataChanged())
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
