#include "app/CloneDocument.h"

#include "codec/ImagePatch.h"
#include "app/UndoStep.h"

#include <algorithm>
#include "codec/ChannelCodec.h"
#include "codec/SettingsCodec.h"

CloneDocument::CloneDocument(QObject *parent)
    : QObject(parent)
{
    m_history.setUndoLimit(HistoryLimit);
}

void CloneDocument::setChannel(int n, const ChannelRow &row)
{
    if (n < 0 || n >= ChannelCount)
        return;
    m_image.channels[n] = row;
    emit channelsChanged(n, n);
}

void CloneDocument::clearChannel(int n)
{
    setChannel(n, ChannelRow());
}

void CloneDocument::clearAllChannels()
{
    m_image.channels.fill(ChannelRow());
    emit channelsChanged(0, ChannelCount - 1);
}

void CloneDocument::setVfo(int r, const VfoRow &row)
{
    if (r < 0 || r >= CloneImage::VfoCount)
        return;
    m_image.vfos[size_t(r)] = row;
    emit vfoChanged(r);
}

void CloneDocument::setSettings(const QString &line1, const QString &line2, const SettingSelections &selections)
{
    m_image.settingsLine1 = line1;
    m_image.settingsLine2 = line2;
    m_image.selections = selections;
    emit settingsChanged();
}

void CloneDocument::setSetting(int index, int position)
{
    if (index < 0 || index >= SettingsTable::Count)
        return;
    m_image.selections[size_t(index)] = position;
    emit settingsChanged();
}

void CloneDocument::encodeSettingsLines()
{
    const SettingsCodec::Lines lines = SettingsCodec::encode(m_image.selections);
    m_image.settingsLine1 = lines.line1;
    m_image.settingsLine2 = lines.line2;
}

void CloneDocument::setModel(int variant, bool extendedRange)
{
    m_image.modelVariant = variant;
    m_image.extendedRange = extendedRange;
    emit modelChanged();
}

void CloneDocument::setImage(const CloneImage &image)
{
    m_image = image;
    emit settingsChanged();
    emit modelChanged();
    for (int r = 0; r < CloneImage::VfoCount; ++r)
        emit vfoChanged(r);
    emit channelsChanged(0, ChannelCount - 1);
}

void CloneDocument::beginStep(const QString &text, StepKind kind)
{
    if (m_stepDepth++ == 0) {
        m_stepText = text;
        m_stepKind = kind;
        m_stepStart = m_image;
    } else if (kind == StepKind::Touch) {
        m_stepKind = kind;
    }
}

void CloneDocument::touchStep()
{
    if (m_stepDepth > 0)
        m_stepKind = StepKind::Touch;
}

void CloneDocument::endStep()
{
    if (m_stepDepth == 0 || --m_stepDepth > 0)
        return;
    ImagePatch redo = ImagePatch::between(m_stepStart, m_image);
    const bool edit = m_stepKind != StepKind::Transfer;
    if (redo.isEmpty()) {
        if (m_stepKind == StepKind::Touch)
            m_touched = true;  // the one mark beside the history
    } else {
        m_history.push(new UndoStep(*this, m_stepText, ImagePatch::between(m_image, m_stepStart), std::move(redo), edit));
    }
    m_stepStart = CloneImage();
}

bool CloneDocument::hasUnsavedChanges() const
{
    if (m_touched)
        return true;
    const int clean = m_history.cleanIndex();
    if (clean < 0)
        return true;  // the saved state has left the history
    // Unchanged when only reads from the radio lie between the saved state
    // and now.
    for (int i = std::min(clean, m_history.index()); i < std::max(clean, m_history.index()); ++i) {
        const auto *step = dynamic_cast<const UndoStep *>(m_history.command(i));
        if (!step || step->isEdit())
            return true;
    }
    return false;
}

void CloneDocument::markTouched()
{
    const Step step(*this, QString(), StepKind::Touch);
}

void CloneDocument::apply(const ImagePatch &patch)
{
    const std::array<VfoRow, CloneImage::VfoCount> vfosBefore = m_image.vfos;
    patch.applyTo(m_image);
    // Each part's views are told.
    if (patch.model)
        emit modelChanged();
    if (patch.settings)
        emit settingsChanged();
    for (int r = 0; patch.vfo && r < CloneImage::VfoCount; ++r) {
        if (vfosBefore[size_t(r)] != m_image.vfos[size_t(r)])
            emit vfoChanged(r);
    }
    if (!patch.channelSlots.isEmpty())
        emit channelsChanged(patch.channelSlots.constFirst(), patch.channelSlots.constLast());
}

void CloneDocument::undo()
{
    m_touched = false;
    m_history.undo();
}

void CloneDocument::redo()
{
    m_touched = false;
    m_history.redo();
}

void CloneDocument::startHistory()
{
    m_touched = false;
    m_history.clear();
}

void CloneDocument::markSaved()
{
    m_touched = false;
    m_history.setClean();
}

void CloneDocument::setBaseline(const CloneImage &image)
{
    m_baseline = image;
    emit baselineChanged();
}

bool CloneDocument::channelPending(int n) const
{
    const ChannelRow &row = m_image.channels.at(n);
    const ChannelRow &was = m_baseline.channels.at(n);
    return row != was && ChannelCodec::encode(row) != ChannelCodec::encode(was);
}

QString CloneDocument::commandLineFileFrom(const QStringList &arguments)
{
    QString text = arguments.join(QLatin1Char(' '));
    if (text.size() > 5 && text.startsWith(QLatin1Char('"')) && text.endsWith(QLatin1Char('"')))
        text = text.mid(1, text.size() - 2);
    return text;
}
