#pragma once

#include <QCoreApplication>

#include "codec/ChannelOrder.h"
#include "codec/ChannelRow.h"
#include "codec/VfoRow.h"
#include "codec/Vocabulary.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class CloneDocument;

// The edits a user makes to the document, each one named undo step, free
// of widgets: the window asks what to do and shows what came of it.
class DocumentEdits
{
    Q_DECLARE_TR_FUNCTIONS(DocumentEdits)

public:
    // One column set to one of its items: its code (for Skip 1 or 0).
    struct ColumnValue
    {
        ChannelColumn column = ChannelColumn::Mode;
        QString caption; // the column's header, for the step's name
        QString item;    // as listed
        int value = 0;
    };
    struct Pasted
    {
        int stored = 0;  // rows stored
        int fitting = 0; // rows that had a slot (the rest would pass the last)
    };

    // "channel A5", "3 channels".
    static QString channelsNamed(const QList<int> &channelSlots);
    // The edit dialog's OK: the slot or VFO holds `row` (an edit even when
    // nothing changed).
    static void storeChannel(CloneDocument &document, int slot, const ChannelRow &row);
    static void storeVfo(CloneDocument &document, int vfo, const VfoRow &row);
    // Empties the slots; the step is named by `action` with the channels for
    // its %1 ("Cut %1": "Cut 3 channels").
    static void clearChannels(CloneDocument &document, const QList<int> &channelSlots, const QString &action);
    static void clearAll(CloneDocument &document);
    // Moves the slots (ascending) by `by`, each swapping places with its
    // neighbours, or copies them there; the slots they now take. None when
    // they would pass the first or the last slot.
    static QList<int> moveChannels(CloneDocument &document, const QList<int> &channelSlots, int by, bool copy);
    // The channels of `channelSlots` in the order of `key`, into the same slots.
    static void sortChannels(CloneDocument &document, const QList<int> &channelSlots, ChannelOrder::Key key, const QString &keyName);
    // Rows from slot `first` on; a row that is none leaves its slot alone.
    static Pasted paste(CloneDocument &document, int first, const QList<std::optional<ChannelRow>> &rows);
    // One column of each channel in use among `channelSlots`; a channel the
    // radio's rules refuse is left and named ("A5: Split Frequency ...").
    static QStringList setColumn(CloneDocument &document, const QList<int> &channelSlots, const ColumnValue &value, int &set);
    // One column of a VFO; the rules' refusal when it is refused.
    static std::optional<QString> setVfoColumn(CloneDocument &document, int vfo, const ColumnValue &value);
    // VFO `vfo` and VFO `other` trade places.
    static void swapVfos(CloneDocument &document, int vfo, int other);
};
