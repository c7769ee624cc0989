#include "files/ChannelListExport.h"

#include "codec/ChannelLabel.h"
#include "codec/ChannelRules.h"
#include "codec/CloneImage.h"
#include "codec/Vocabulary.h"
#include "files/AtomicFile.h"
#include "files/ListLayout.h"

#include <QRegularExpression>
#include <QStringList>

#include <cmath>

namespace {

// A split this far from the frequency, or further, is written as a split
// rather than as a repeater offset.
constexpr qint64 LargestOffset = 1000000;
const QString DefaultTone = QStringLiteral("88.5");

QByteArray csvLine(const QStringList &cells)
{
    QStringList out;
    for (const QString &cell : cells) {
        static const QRegularExpression needsQuotes(QStringLiteral("[,\"\r\n]|^\\s|\\s$"));
        if (cell.contains(needsQuotes))
            out.append(QLatin1Char('"') + QString(cell).replace(QLatin1String("\""), QLatin1String("\"\"")) + QLatin1Char('"'));
        else
            out.append(cell);
    }
    return out.join(QLatin1Char(',')).toUtf8() + "\r\n";
}

QStringList rowCells(const CloneImage &image, int slot)
{
    QStringList cells(ListLayout::ColumnCount);
    cells[ListLayout::Location] = QString::number(slot);
    cells[ListLayout::Comment] = ChannelLabel::shortLabel(slot);
    const ChannelRow &row = image.channels.at(slot);
    if (!row.inUse)
        return cells;
    const qint64 hz = row.frequency;
    const qint64 split = row.split;
    cells[ListLayout::Name] = row.name;
    cells[ListLayout::Frequency] = ListLayout::megahertz(hz);
    // No split (0) transmits on the frequency, as a simplex channel does.
    if (split == hz || split == ChannelRules::NoSplit) {
        cells[ListLayout::Offset] = ListLayout::megahertz(0);
    } else if (std::abs(split - hz) < LargestOffset) {
        cells[ListLayout::Duplex] = split > hz ? QStringLiteral("+") : QStringLiteral("-");
        cells[ListLayout::Offset] = ListLayout::megahertz(std::abs(split - hz));
    } else {
        cells[ListLayout::Duplex] = QStringLiteral("split");
        cells[ListLayout::Offset] = ListLayout::megahertz(split);
    }
    const QString tone = row.text(ChannelColumn::Tone);
    const bool toneOn = row.tone >= Vocabulary::ToneBase;
    const QString toneValue = toneOn ? QString(tone).remove(QStringLiteral("Hz")) : DefaultTone;
    cells[ListLayout::Tone] = toneOn ? QStringLiteral("Tone") : QString();
    cells[ListLayout::RToneFreq] = toneValue;
    cells[ListLayout::CToneFreq] = toneValue;
    cells[ListLayout::DtcsCode] = QStringLiteral("023");
    cells[ListLayout::DtcsPolarity] = QStringLiteral("NN");
    cells[ListLayout::RxDtcsCode] = QStringLiteral("023");
    cells[ListLayout::CrossMode] = QStringLiteral("Tone->Tone");
    cells[ListLayout::Mode] = ListLayout::modeName(row.mode);
    cells[ListLayout::TStep] = QStringLiteral("5.00");
    cells[ListLayout::Skip] = row.skip ? QStringLiteral("S") : QString();
    cells[ListLayout::Power] = row.text(ChannelColumn::Power);
    return cells;
}

bool exported(const CloneImage &image, int slot, ChannelListExport::Slots which)
{
    return which == ChannelListExport::Slots::All || image.channels.at(slot).inUse;
}

} // namespace

QByteArray ChannelListExport::bytes(const CloneImage &image, Slots which)
{
    QByteArray out = csvLine(ListLayout::header());
    for (int slot = 0; slot < CloneImage::ChannelCount; ++slot) {
        if (exported(image, slot, which))
            out += csvLine(rowCells(image, slot));
    }
    return out;
}

FileResult ChannelListExport::write(const QString &path, const CloneImage &image, Slots which, FileAccess access)
{
    return AtomicFile::write(path, bytes(image, which), access);
}

int ChannelListExport::rowCount(const CloneImage &image, Slots which)
{
    int rows = 0;
    for (int slot = 0; slot < CloneImage::ChannelCount; ++slot)
        rows += exported(image, slot, which) ? 1 : 0;
    return rows;
}
