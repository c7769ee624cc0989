#include "app/Module1.h"

#include "app/ImagePatch.h"
#include "app/UndoStep.h"

#include <algorithm>
#include "codec/ChannelCodec.h"
#include "codec/SettingsCodec.h"

Module1::Module1(QObject *parent)
    : QObject(parent)
{
    m_history.setUndoLimit(HistoryLimit);
}

void Module1::setChannel(int n, const ChannelRow &row)
{
    if (n < 0 || n >= ChannelCount)
        return;
    m_image.Channels[n] = row;
    emit channelsChanged(n, n);
}

void Module1::clearChannel(int n)
{
    setChannel(n, ChannelRow());
}

void Module1::clearAllChannels()
{
    m_image.Channels.fill(ChannelRow());
    emit channelsChanged(0, ChannelCount - 1);
}

void Module1::setVfo(int r, const VfoRow &row)
{
    if (r < 0 || r >= CloneImage::VfoCount)
        return;
    m_image.Vfo[size_t(r)] = row;
    emit vfoChanged(r);
}

void Module1::setSettings(const QString &line1, const QString &line2, const SettingSelections &selections)
{
    m_image.SettingsLine1 = line1;
    m_image.SettingsLine2 = line2;
    m_image.SettingSelection = selections;
    emit settingsChanged();
}

void Module1::setSetting(int index, int position)
{
    if (index < 0 || index >= SettingsTable::Count)
        return;
    m_image.SettingSelection[size_t(index)] = position;
    emit settingsChanged();
}

void Module1::encodeSettingsLines()
{
    const SettingsCodec::Lines lines = SettingsCodec::EncodeSettings(m_image.SettingSelection);
    m_image.SettingsLine1 = lines.line1;
    m_image.SettingsLine2 = lines.line2;
}

void Module1::setModel(int variant, bool extendedRange)
{
    m_image.ModelVariant = variant;
    m_image.ExtendedRange = extendedRange;
    emit modelChanged();
}

void Module1::setImage(const CloneImage &image)
{
    m_image = image;
    emit settingsChanged();
    emit modelChanged();
    for (int r = 0; r < CloneImage::VfoCount; ++r)
        emit vfoChanged(r);
    emit channelsChanged(0, ChannelCount - 1);
}

void Module1::beginStep(const QString &text, StepKind kind)
{
    if (m_stepDepth++ == 0) {
        m_stepText = text;
        m_stepKind = kind;
        m_stepStart = m_image;
    } else if (kind == StepKind::Touch) {
        m_stepKind = kind;
    }
}

void Module1::touchStep()
{
    if (m_stepDepth > 0)
        m_stepKind = StepKind::Touch;
}

void Module1::endStep()
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

bool Module1::DataChanged() const
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

void Module1::markTouched()
{
    const Step step(*this, QString(), StepKind::Touch);
}

void Module1::apply(const ImagePatch &patch)
{
    if (patch.model) {
        m_image.ModelVariant = patch.model->variant;
        m_image.ExtendedRange = patch.model->extendedRange;
        emit modelChanged();
    }
    if (patch.settings) {
        m_image.SettingsLine1 = patch.settings->line1;
        m_image.SettingsLine2 = patch.settings->line2;
        m_image.SettingSelection = patch.settings->selections;
        emit settingsChanged();
    }
    if (patch.vfo) {
        for (int r = 0; r < CloneImage::VfoCount; ++r) {
            if (m_image.Vfo[size_t(r)] != (*patch.vfo)[size_t(r)]) {
                m_image.Vfo[size_t(r)] = (*patch.vfo)[size_t(r)];
                emit vfoChanged(r);
            }
        }
    }
    if (!patch.channelSlots.isEmpty()) {
        for (qsizetype i = 0; i < patch.channelSlots.size(); ++i)
            m_image.Channels[patch.channelSlots.at(i)] = patch.rows.at(i);
        emit channelsChanged(patch.channelSlots.constFirst(), patch.channelSlots.constLast());
    }
}

void Module1::undo()
{
    m_touched = false;
    m_history.undo();
}

void Module1::redo()
{
    m_touched = false;
    m_history.redo();
}

void Module1::startHistory()
{
    m_touched = false;
    m_history.clear();
}

void Module1::markSaved()
{
    m_touched = false;
    m_history.setClean();
}

void Module1::setBaseline(const CloneImage &image)
{
    m_baseline = image;
    emit baselineChanged();
}

bool Module1::channelPending(int n) const
{
    const ChannelRow &row = m_image.Channels.at(n);
    const ChannelRow &was = m_baseline.Channels.at(n);
    return row != was && ChannelCodec::EncodeChannel(row) != ChannelCodec::EncodeChannel(was);
}

QString Module1::CommandLineFileFrom(const QStringList &arguments)
{
    QString text = arguments.join(QLatin1Char(' '));
    if (text.size() > 5 && text.startsWith(QLatin1Char('"')) && text.endsWith(QLatin1Char('"')))
        text = text.mid(1, text.size() - 2);
    return text;
}
