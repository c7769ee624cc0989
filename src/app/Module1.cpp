#include "Module1.h"

#include "ChannelCodec.h"
#include "ImagePatch.h"
#include "SettingsCodec.h"
#include "UndoStep.h"

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

void Module1::beginStep(const QString &text)
{
    if (m_stepDepth++ == 0) {
        m_stepText = text;
        m_stepStart = m_image;
    }
}

void Module1::endStep()
{
    if (m_stepDepth == 0 || --m_stepDepth > 0)
        return;
    ImagePatch redo = ImagePatch::between(m_stepStart, m_image);
    if (!redo.isEmpty())
        m_history.push(new UndoStep(*this, m_stepText, ImagePatch::between(m_image, m_stepStart), std::move(redo)));
    m_stepStart = CloneImage();
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
    m_history.undo();
    DataChanged = !m_history.isClean();
}

void Module1::redo()
{
    m_history.redo();
    DataChanged = !m_history.isClean();
}

void Module1::startHistory()
{
    m_history.clear();
}

void Module1::markSaved()
{
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
