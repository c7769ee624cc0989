#include "codec/Counted.h"

namespace {

struct Forms
{
    Counted::Noun noun;
    const char *one;
    const char *many;
};

constexpr Forms Nouns[] = {
    {Counted::Noun::Channel, QT_TRANSLATE_NOOP("Counted", "%1 channel"), QT_TRANSLATE_NOOP("Counted", "%1 channels")},
    {Counted::Noun::Row, QT_TRANSLATE_NOOP("Counted", "%1 row"), QT_TRANSLATE_NOOP("Counted", "%1 rows")},
    {Counted::Noun::Slot, QT_TRANSLATE_NOOP("Counted", "%1 slot"), QT_TRANSLATE_NOOP("Counted", "%1 slots")},
    {Counted::Noun::Record, QT_TRANSLATE_NOOP("Counted", "%1 record"), QT_TRANSLATE_NOOP("Counted", "%1 records")},
    {Counted::Noun::VfoRecord, QT_TRANSLATE_NOOP("Counted", "%1 VFO record"),
     QT_TRANSLATE_NOOP("Counted", "%1 VFO records")},
};

} // namespace

QString Counted::text(int count, Noun noun)
{
    for (const Forms &forms : Nouns) {
        if (forms.noun == noun)
            return tr(count == 1 ? forms.one : forms.many).arg(count);
    }
    return QString::number(count);
}
