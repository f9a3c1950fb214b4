// Preset values into the eight combos, and the re-selection of earlier choices.
#include "QSettingDlg.h"

#include "FormatAllInfo.h"
#include "QCustomComboBox.h"
#include "QPlistRead.h"
#include "QTextImageButton.h"

#include <functional>

namespace {

QString text(const std::string& s)
{
    return QString::fromStdString(s);
}

// Fills one combo; returns the text of the item that matched the selected value
// (the last of several), or a null string when none matched.
QString fillCombo(QCustomComboBox* combo, const std::vector<std::string>& list, const std::string& selected,
                  const std::function<QString(const std::string&)>& shown, bool withCode)
{
    combo->clear();
    QString picked;
    for (const std::string& entry : list) {
        combo->addItem(shown(entry));
        const int index = combo->count() - 1;
        if (withCode)
            combo->setItemDataString(index, text(entry));
        if (entry == selected) {
            combo->setCurrentIndex(index);
            picked = combo->itemText(index);
        }
    }
    return picked;
}

// Codec and channel combos carry their code as item data; their shown names
// differ from the codes, so a choice is found again by the data.
void selectByData(QCustomComboBox* combo, const QString& code)
{
    for (int i = 0; i < combo->count(); ++i) {
        if (combo->itemDataString(i) == code) {
            combo->setCurrentIndex(i);
            return;
        }
    }
}

void selectByText(QCustomComboBox* combo, const QString& value)
{
    for (int i = 0; i < combo->count(); ++i) {
        if (combo->itemText(i) == value) {
            combo->setCurrentIndex(i);
            return;
        }
    }
}

} // namespace

QString QSettingDlg::getChannelName(QString code)
{
    if (code == "Auto" || code == "0")
        return "Auto";
    if (code == "1")
        return "Mono";
    if (code == "2")
        return "Stereo";
    if (code == "6")
        return "5.1 Surround";
    return code;
}

void QSettingDlg::setAudioDlgCtrl(bool bOnlyAudio)
{
    m_bOnlyAudio = bOnlyAudio;
    m_btnVideo->setEnabled(!bOnlyAudio);
    if (bOnlyAudio)
        ShowVideoSet(false);
}

void QSettingDlg::setFormatInfoToCtrl(FormatAllInfo* info)
{
    fillCombos(info, encodingReader());
}

void QSettingDlg::setFormatInfoToCtrlLossLess(FormatAllInfo* info)
{
    fillCombos(info, losslessReader());
}

void QSettingDlg::fillCombos(FormatAllInfo* info, QPlistRead* codecNames)
{
    if (!info)
        return;
    // The reader may rebuild its record while we look names up: work on a copy.
    const FormatAllInfo p = *info;
    setAudioDlgCtrl(p.onlyAudio);
    m_strCategory = text(p.category);
    m_strFormatId = text(p.id);

    auto codecName = [codecNames](const std::string& code) {
        const QString name = text(codecNames->getCodecsForKey(code));
        return name.isEmpty() ? text(code) : name;
    };
    auto plain = [](const std::string& entry) { return text(entry); };
    auto channel = [this](const std::string& entry) { return getChannelName(text(entry)); };
    auto remember = [](QString& member, const QString& picked) {
        if (!picked.isNull())
            member = picked;
    };

    remember(m_strVEncoderName, fillCombo(m_cmbVEncoder, p.videoEncoderList, p.videoEncoder, codecName, true));
    remember(m_strResolution, fillCombo(m_cmbVResolution, p.resolutionList, p.resolution, plain, false));
    fillCombo(m_cmbVFrame, p.frameRateList, p.frameRate, plain, false);
    fillCombo(m_cmbVBitRate, p.videoBitRateList, p.videoBitRateHigh, plain, false);
    remember(m_strAEncoderName, fillCombo(m_cmbAEncoder, p.audioEncoderList, p.audioEncoder, codecName, true));
    remember(m_strChannelName, fillCombo(m_cmbAChannel, p.channelList, p.channel, channel, true));
    fillCombo(m_cmbASample, p.sampleRateList, p.sampleRate, plain, false);
    fillCombo(m_cmbABitRate, p.audioBitRateList, p.audioBitRateHigh, plain, false);
}

void QSettingDlg::reselect(const QualitySet& values)
{
    if (!values.OnlyAudio) {
        selectByData(m_cmbVEncoder, values.V_Encoder);
        selectByText(m_cmbVResolution, values.V_Resolution);
        selectByText(m_cmbVFrame, values.V_FrameRate);
        selectByText(m_cmbVBitRate, values.V_BitRate);
    }
    selectByData(m_cmbAEncoder, values.A_Encoder);
    selectByData(m_cmbAChannel, values.A_Channel);
    selectByText(m_cmbASample, values.A_SampleRate);
    selectByText(m_cmbABitRate, values.A_BitRate);
}

void QSettingDlg::setCheckValue()
{
    reselect(m_checkValue);
}

void QSettingDlg::SetCustomValue(QualitySet* set)
{
    if (set)
        reselect(*set);
}
