// Quality presets, saved custom values and the reaction to a user's pick.
#include "QSettingDlg.h"

#include "FormatAllInfo.h"
#include "QCustomComboBox.h"
#include "QPlistRead.h"
#include "QVideoSettingXml.h"

namespace {

std::string bytes(const QString& s)
{
    return s.toStdString();
}

} // namespace

FormatAllInfo* QSettingDlg::readPreset(QPlistRead* reader, const QString& videoCode, const QString& resolution,
                                       const QString& audioCode, const QString& channel) const
{
    return reader->GetFormatInfoForPlist(bytes(m_strCategory), bytes(m_strFormatId), bytes(videoCode),
                                         bytes(resolution), bytes(audioCode), bytes(channel));
}

void QSettingDlg::SaveCurrValue(int& pack)
{
    // Four bits per combo, unmasked: only ever compared for equality.
    QCustomComboBox* const combos[] = {m_cmbVEncoder, m_cmbVResolution, m_cmbVFrame, m_cmbVBitRate,
                                       m_cmbAEncoder, m_cmbAChannel, m_cmbASample, m_cmbABitRate};
    quint32 value = quint32(pack);
    int shift = 28;
    for (QCustomComboBox* combo : combos) {
        value |= quint32(combo->currentIndex()) << shift;
        shift -= 4;
    }
    pack = int(value);
}

void QSettingDlg::ResetValue()
{
    for (QCustomComboBox* combo : {m_cmbVEncoder, m_cmbVResolution, m_cmbVFrame, m_cmbVBitRate, m_cmbAEncoder,
                                   m_cmbAChannel, m_cmbASample, m_cmbABitRate}) {
        if (combo->count() > 0)
            combo->setCurrentIndex(0);
    }
}

void QSettingDlg::setVideoQuality(VideoQuality quality)
{
    m_videoQuality = quality;
    m_changeQuality = quality;
    if (quality == VQ_Customized && SetDefaultValue(m_strFormatId))
        return;
    applyQualityToCombos(quality);
}

// Small Size and High Quality (and Customized without saved values) over the
// preset shown; in high-speed mode the combos are left alone.
void QSettingDlg::applyQualityToCombos(VideoQuality quality)
{
    const QualitySet keys = currentChoices();
    if (attributeSetting()->bLossless)
        return;
    FormatAllInfo* record = readPreset(encodingReader(), keys.V_Encoder, keys.V_Resolution, keys.A_Encoder,
                                       keys.A_Channel);
    if (!record)
        return;
    const FormatAllInfo p = *record;
    setFormatInfoToCtrl(record);
    if (p.isAuto) {
        ResetValue();
    } else {
        const QString wanted = QString::fromStdString(quality == VQ_SmallSize ? p.videoBitRateLow
                                                                              : p.videoBitRateHigh);
        for (int i = 0; i < m_cmbVBitRate->count(); ++i) {
            if (m_cmbVBitRate->itemDataString(i) == wanted) {
                m_cmbVBitRate->setCurrentIndex(i);
                break;
            }
        }
    }
    m_nQualityPack = 0;
    SaveCurrValue(m_nQualityPack);
}

bool QSettingDlg::SetDefaultValue(QString formatId)
{
    const QualitySet* stored = QVideoSettingXml::GetDefaultFormat(formatId);
    if (!stored)
        return false;
    QualitySet saved = *stored;
    if (attributeSetting()->bLossless)
        return false;
    setFormatInfoToCtrl(readPreset(encodingReader(), saved.V_Encoder, saved.V_Resolution, saved.A_Encoder,
                                   saved.A_Channel));
    // The saved audio-only flag is not consulted: the preset's own lists decide.
    saved.OnlyAudio = false;
    reselect(saved);
    return true;
}

void QSettingDlg::CmbItemChange(int)
{
    if (m_videoQuality != VQ_Customized) {
        int pack = 0;
        SaveCurrValue(pack);
        if (pack == m_nQualityPack)
            m_changeQuality = m_videoQuality == VQ_HighQuality ? VQ_HighQuality : VQ_SmallSize;
        else
            m_changeQuality = VQ_Customized;
        emit emitChangeText(m_changeQuality);
    }

    // Only a new codec, resolution or channel changes what the other lists offer.
    QObject* from = sender();
    bool reread = false;
    if (from == m_cmbVEncoder)
        reread = m_cmbVEncoder->itemDataString(m_cmbVEncoder->currentIndex()) != m_strVEncoderName;
    else if (from == m_cmbVResolution)
        reread = m_cmbVResolution->itemDataString(m_cmbVResolution->currentIndex()) != m_strResolution;
    else if (from == m_cmbAEncoder)
        reread = m_cmbAEncoder->itemDataString(m_cmbAEncoder->currentIndex()) != m_strAEncoderName;
    else if (from == m_cmbAChannel)
        reread = m_cmbAChannel->itemDataString(m_cmbAChannel->currentIndex()) != m_strChannelName;
    if (!reread)
        return;

    // All four current key choices go to the reader, so the other three picks
    // survive the narrowing instead of falling back to the preset's defaults.
    getDefaultChagen();
    const bool lossless = attributeSetting()->bLossless;
    FormatAllInfo* record = readPreset(lossless ? losslessReader() : encodingReader(), m_checkValue.V_Encoder,
                                       m_checkValue.V_Resolution, m_checkValue.A_Encoder, m_checkValue.A_Channel);
    if (!record)
        return;
    if (lossless)
        setFormatInfoToCtrlLossLess(record);
    else
        setFormatInfoToCtrl(record);
    setCheckValue();
}
