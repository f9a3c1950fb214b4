#pragma once

#include "AttributeSetting.h"
#include "QAttributeSettingHolder.h"
#include "QualitySet.h"
#include "ui_QSettingDlg.h"

#include <QImage>
#include <QWidget>

#include <string>

class QCustomComboBox;
class QPlistRead;
struct FormatAllInfo;

// The advanced encoding panel of the format dialog: eight combo boxes on a
// Video and an Audio page, filled from one preset record. It owns the
// process-wide output profile (through QAttributeSettingHolder) and rebuilds
// it from its combos when the user confirms the dialog.
class QSettingDlg : public QWidget, public Ui::QSettingDlg, public QAttributeSettingHolder
{
    Q_OBJECT
    Q_DISABLE_COPY(QSettingDlg)

public:
    explicit QSettingDlg(QWidget* parent = nullptr);
    ~QSettingDlg() override;

    void InitBtn();
    void InitCtrl();
    void OnInitDeault();
    void getDefaultChagen();
    void retranslateUi();
    void ShowVideoSet(bool video);
    void InitComboboxCtrl(QCustomComboBox* combo);
    void imageDrawRect(QPainter& painter, QRect rect, QImage image);
    bool setBgImage(QString path);

    // Preset values into the combos.
    void setFormatInfoToCtrl(FormatAllInfo* info);
    void setFormatInfoToCtrlLossLess(FormatAllInfo* info);
    QString getChannelName(QString code);
    // A preset value as the combos show it: "Auto" and "Original" translated.
    static QString shownValue(const QString& value);
    void setCheckValue();
    void setAudioDlgCtrl(bool bOnlyAudio);
    void SetCustomValue(QualitySet* set);

    // Quality presets and saved custom values.
    void setVideoQuality(VideoQuality quality);
    bool SetDefaultValue(QString formatId);
    void ResetValue();
    void SaveCurrValue(int& pack);

    // The output profile.
    void setAttributeSetting();
    void OnOkSet();
    int getChangeQuality() const { return m_changeQuality; }
    void PrintValueText();

    // The two shared preset readers, opened on the shipped lists.
    static QPlistRead* encodingReader();
    static QPlistRead* losslessReader();

signals:
    void emitIsCustomized(bool customized);
    void emitChangeText(VideoQuality quality);

public slots:
    void OnClickVideo();
    void OnClickAudio();
    void OnClickDefault();
    void CmbItemChange(int index);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void fillCombos(FormatAllInfo* info, QPlistRead* codecNames);
    void reselect(const QualitySet& values);
    void applyQualityToCombos(VideoQuality quality);
    QualitySet currentChoices() const;
    FormatAllInfo* readPreset(QPlistRead* reader, const QString& videoCode, const QString& resolution,
                              const QString& audioCode, const QString& channel) const;
    QString profileExtension(bool lossless);
    void buildVideo(AttributeSetting& a, const FormatAllInfo& p);
    void buildAudio(AttributeSetting& a, const FormatAllInfo& p);

    QImage* m_bgImage = nullptr;
    bool m_bOnlyAudio = false;
    QString m_strCategory;
    QString m_strFormatId;
    QualitySet m_checkValue;
    QString m_strVEncoderName;
    QString m_strResolution;
    QString m_strAEncoderName;
    QString m_strChannelName;
    VideoQuality m_videoQuality = VQ_HighQuality;
    VideoQuality m_changeQuality = VQ_HighQuality;
    int m_nQualityPack = 0;
};

Q_DECLARE_METATYPE(VideoQuality)
