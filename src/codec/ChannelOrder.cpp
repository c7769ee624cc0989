#include "codec/ChannelOrder.h"

#include <algorithm>

QStringList ChannelOrder::keyNames()
{
    return {QStringLiteral("Frequency"), QStringLiteral("Name"), QStringLiteral("Mode"), tr("In use first")};
}

void ChannelOrder::sort(std::vector<ChannelRow> &rows, Key key)
{
    const auto before = [key](const ChannelRow &a, const ChannelRow &b) {
        if (a.inUse != b.inUse)
            return a.inUse;
        if (!a.inUse)
            return false;
        switch (key) {
        case Key::Frequency:
            return a.frequency < b.frequency;
        case Key::Name:
            return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
        case Key::Mode:
            return a.mode < b.mode;
        case Key::InUseFirst:
            break;
        }
        return false;
    };
    std::stable_sort(rows.begin(), rows.end(), before);
}
