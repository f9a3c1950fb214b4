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

// Fills one combo; every item keeps its preset value as item data, which is
// what is stored and compared (the shown text may be translated). Returns the
// value of the item that matched the selected one (the last of several), or a
// null string when none matched.
QString fillCombo(QCustomComboBox* combo, const std::vector<std::string>& list, const std::string& selected,
                  const std::function<QString(const std::string&)>& shown)
{
    combo->clear();
    QString picked;
    for (const std::string& entry : list) {
        combo->addItem(shown(entry));
        const int index = combo->count() - 1;
        combo->setItemDataString(index, text(entry));
        if (entry == selected) {
            combo->setCurrentIndex(index);
            picked = text(entry);
        }
    }
    return picked;
}

// A choice is found again by its value, never by the shown text.
void selectByData(QCustomComboBox* combo, const QString& code)
{
    for (int i = 0; i < combo->count(); ++i) {
        if (combo->itemDataString(i) == code) {
            combo->setCurrentIndex(i);
            return;
        }
    }
}

} // namespace

QString QSettingDlg::shownValue(const QString& value)
{
    if (value == QLatin1String("Auto"))
        return tr("Auto");
    if (value == QLatin1String("Original"))
        return tr("Original");
    return value;
}

QString QSettingDlg::getChannelName(QString code)
{
    if (code == "Auto" || code == "0")
        return shownValue("Auto");
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
    auto plain = [](const std::string& entry) { return shownValue(text(entry)); };
    auto channel = [this](const std::string& entry) { return getChannelName(text(entry)); };
    auto remember = [](QString& member, const QString& picked) {
        if (!picked.isNull())
            member = picked;
    };

    remember(m_strVEncoderName, fillCombo(m_cmbVEncoder, p.videoEncoderList, p.videoEncoder, codecName));
    remember(m_strResolution, fillCombo(m_cmbVResolution, p.resolutionList, p.resolution, plain));
    fillCombo(m_cmbVFrame, p.frameRateList, p.frameRate, plain);
    fillCombo(m_cmbVBitRate, p.videoBitRateList, p.videoBitRateHigh, plain);
    remember(m_strAEncoderName, fillCombo(m_cmbAEncoder, p.audioEncoderList, p.audioEncoder, codecName));
    remember(m_strChannelName, fillCombo(m_cmbAChannel, p.channelList, p.channel, channel));
    fillCombo(m_cmbASample, p.sampleRateList, p.sampleRate, plain);
    fillCombo(m_cmbABitRate, p.audioBitRateList, p.audioBitRateHigh, plain);
}

void QSettingDlg::reselect(const QualitySet& values)
{
    if (!values.OnlyAudio) {
        selectByData(m_cmbVEncoder, values.V_Encoder);
        selectByData(m_cmbVResolution, values.V_Resolution);
        selectByData(m_cmbVFrame, values.V_FrameRate);
        selectByData(m_cmbVBitRate, values.V_BitRate);
    }
    selectByData(m_cmbAEncoder, values.A_Encoder);
    selectByData(m_cmbAChannel, values.A_Channel);
    selectByData(m_cmbASample, values.A_SampleRate);
    selectByData(m_cmbABitRate, values.A_BitRate);
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
