// Construction, look, pages and translation of the encoding-settings panel.
#include "QSettingDlg.h"

#include "CaptionSize.h"
#include "QConverterOperate.h"
#include "QCustomComboBox.h"
#include "QIAnyUtil.h"
#include "QImagaeRatioDraw.h"
#include "QPlistRead.h"
#include "QTextImageButton.h"

#include <QLabel>
#include <QPainter>

namespace {

const char kComboMenuStyle[] =
    "QMenu{background-color:%1;margin:1px;}QMenu:item{background-color:%2;color:rgb(255,255,255);"
    "font-weight:1px;margin:1px;height:18px;width:98;padding-left :5px;}"
    "QMenu:item:selected{background-color:%3;}QMenu:icon{left:20px;height:20px;}"
    "QMenu:item:!enabled{background-color:rgb(95,185,220);}"
    "QMenu::separator{height:1px;background-color:rgb(62,63,63);margin:1px 0px 1px 0px;}";

constexpr int kFrench = 3;

} // namespace

QSettingDlg::QSettingDlg(QWidget* parent)
    : QWidget(parent)
{
    setupUi(this);
    setAttribute(Qt::WA_TranslucentBackground, true);
    setWindowFlags(Qt::FramelessWindowHint);
    m_bgImage = new QImage(QIAnyUtil::getResourcePath() + "/image/Format_Dlg/bg_setting.png");
    InitBtn();
    InitCtrl();
    OnInitDeault();
    qRegisterMetaType<VideoQuality>("VideoQuality");
}

QSettingDlg::~QSettingDlg()
{
    delete m_bgImage;
}

QPlistRead* QSettingDlg::encodingReader()
{
    return QPlistRead::getPlistRead((QIAnyUtil::getResourcePath() + "/profile/profiles_mac.plist").toStdString());
}

QPlistRead* QSettingDlg::losslessReader()
{
    return QPlistRead::getPlistLosslessRead(
        (QIAnyUtil::getResourcePath() + "/profile/profiles_mac_Lossless.plist").toStdString());
}

void QSettingDlg::InitBtn()
{
    const QString res = QIAnyUtil::getResourcePath();
    m_btnDefault->setBtnImage(res + "/image/Format_Dlg/btn_Default.png");
    m_btnVideo->setBtnImageAndText(res + "/image/Format_Dlg/btn_video.png", QObject::tr("Video"), 11);
    m_btnAudio->setBtnImageAndText(res + "/image/Format_Dlg/btn_audio.png", QObject::tr("Audio"), 11);
    for (QTextImageButton* b : {m_btnVideo, m_btnAudio})
        b->setTextColor(QColor(228, 228, 228), QColor(55, 55, 55), QColor(55, 55, 55), QColor(55, 55, 55));
    connect(m_btnVideo, &QAbstractButton::clicked, this, &QSettingDlg::OnClickVideo);
    connect(m_btnAudio, &QAbstractButton::clicked, this, &QSettingDlg::OnClickAudio);
    connect(m_btnDefault, &QAbstractButton::clicked, this, &QSettingDlg::OnClickDefault);
}

void QSettingDlg::InitCtrl()
{
    const bool french = QConverterOperate::getLanguageType() == kFrench;
    m_labCodec->move(30, 45);
    m_cmbVEncoder->move(french ? 138 : 116, 43);
    m_labReslution->move(271, 45);
    m_cmbVResolution->move(357, 43);
    m_labFrame->move(30, 85);
    m_cmbVFrame->move(french ? 138 : 116, 83);
    m_labBitRate->move(271, 85);
    m_cmbVBitRate->move(357, 83);
    m_labACodec->move(30, 45);
    m_cmbAEncoder->move(116, 43);
    m_labChannel->move(271, 45);
    m_cmbAChannel->move(357, 43);
    m_labSampleRate->move(30, 85);
    m_cmbASample->move(116, 83);
    m_labABitRate->move(271, 85);
    m_cmbABitRate->move(357, 83);

    m_labCodec->setText(QObject::tr("Codec:"));
    m_labACodec->setText(QObject::tr("Codec:"));
    m_labReslution->setText(QObject::tr("Resolution:"));
    m_labFrame->setText(QObject::tr("Frame Rate:"));
    m_labBitRate->setText(QObject::tr("Bit Rate:"));
    m_labABitRate->setText(QObject::tr("Bit Rate:"));
    m_labChannel->setText(QObject::tr("Channel:"));
    m_labSampleRate->setText(QObject::tr("Sample Rate:"));

    QFont font = m_labCodec->font();
    font.setFamily("Tahoma");
    font.setPixelSize(11);
    QPalette palette;
    palette.setColor(QPalette::WindowText, QColor(245, 245, 245));
    for (QLabel* label : {m_labCodec, m_labReslution, m_labFrame, m_labBitRate, m_labACodec, m_labChannel,
                          m_labSampleRate, m_labABitRate}) {
        label->setFont(font);
        label->setPalette(palette);
    }

    for (QCustomComboBox* combo : {m_cmbVEncoder, m_cmbVResolution, m_cmbVFrame, m_cmbVBitRate, m_cmbAEncoder,
                                   m_cmbAChannel, m_cmbASample, m_cmbABitRate}) {
        InitComboboxCtrl(combo);
        connect(combo, &QCustomComboBox::activated, this, &QSettingDlg::CmbItemChange);
    }
    ShowVideoSet(true);
}

void QSettingDlg::InitComboboxCtrl(QCustomComboBox* combo)
{
    combo->setImageForRect(QIAnyUtil::getResourcePath() + "/image/Common_bg/bg_combobox3.png", QRect(0, 0, 120, 22));
    combo->setTextPixelSize(captionPoints(10));
    combo->setItemFontPointSize(11);
    combo->setTextColor(QColor(245, 245, 245), QColor(245, 245, 245), QColor(245, 245, 245), QColor(74, 74, 74));
    combo->setIconRect(QRect(5, 4, 15, 15));
    combo->setItemStyleSheet(
        QString(kComboMenuStyle).arg("rgb(105,105,105)").arg("rgb(74,74,74)").arg("rgb(105,105,105)"));
    combo->setPopupX(0);
    combo->setItemDefaultW(m_cmbVEncoder->width() - 7);
    combo->clear();
}

void QSettingDlg::OnInitDeault()
{
    m_checkValue.V_Encoder.clear();
    m_checkValue.V_Resolution.clear();
    m_checkValue.V_FrameRate.clear();
    m_checkValue.V_BitRate.clear();
    m_checkValue.A_Encoder.clear();
    m_checkValue.A_Channel.clear();
    m_checkValue.A_SampleRate.clear();
    m_checkValue.A_BitRate.clear();
}

QualitySet QSettingDlg::currentChoices() const
{
    QualitySet set;
    set.OnlyAudio = m_bOnlyAudio;
    set.V_Encoder = m_cmbVEncoder->itemDataString(m_cmbVEncoder->currentIndex());
    set.V_Resolution = m_cmbVResolution->itemDataString(m_cmbVResolution->currentIndex());
    set.V_FrameRate = m_cmbVFrame->itemDataString(m_cmbVFrame->currentIndex());
    set.V_BitRate = m_cmbVBitRate->itemDataString(m_cmbVBitRate->currentIndex());
    set.A_Encoder = m_cmbAEncoder->itemDataString(m_cmbAEncoder->currentIndex());
    set.A_Channel = m_cmbAChannel->itemDataString(m_cmbAChannel->currentIndex());
    set.A_SampleRate = m_cmbASample->itemDataString(m_cmbASample->currentIndex());
    set.A_BitRate = m_cmbABitRate->itemDataString(m_cmbABitRate->currentIndex());
    return set;
}

void QSettingDlg::getDefaultChagen()
{
    const quint32 keep = m_checkValue.V_A_Quality;
    m_checkValue = currentChoices();
    m_checkValue.V_A_Quality = keep;
}

void QSettingDlg::ShowVideoSet(bool video)
{
    m_btnVideo->setCheckState(video);
    m_btnAudio->setCheckState(!video);
    for (QWidget* w : std::initializer_list<QWidget*>{m_labCodec, m_labReslution, m_labFrame, m_labBitRate,
                                                      m_cmbVEncoder, m_cmbVResolution, m_cmbVFrame, m_cmbVBitRate})
        w->setHidden(!video);
    for (QWidget* w : std::initializer_list<QWidget*>{m_labACodec, m_labChannel, m_labSampleRate, m_labABitRate,
                                                      m_cmbAEncoder, m_cmbAChannel, m_cmbASample, m_cmbABitRate})
        w->setHidden(video);
}

void QSettingDlg::OnClickVideo()
{
    ShowVideoSet(true);
}

void QSettingDlg::OnClickAudio()
{
    ShowVideoSet(false);
}

void QSettingDlg::OnClickDefault()
{
    setVideoQuality(VQ_HighQuality);
}

void QSettingDlg::retranslateUi()
{
    m_labCodec->setText(QObject::tr("Codec:"));
    m_labACodec->setText(QObject::tr("Codec:"));
    m_labReslution->setText(QObject::tr("Resolution:"));
    m_labFrame->setText(QObject::tr("Frame Rate:"));
    m_labBitRate->setText(QObject::tr("Bit Rate:"));
    m_labABitRate->setText(QObject::tr("Bit Rate:"));
    m_labChannel->setText(QObject::tr("Channel:"));
    m_labSampleRate->setText(QObject::tr("Sample Rate:"));
    m_btnAudio->setBtnText(QObject::tr("Audio"));
    m_btnVideo->setBtnText(QObject::tr("Video"));

    const bool french = QConverterOperate::getLanguageType() == kFrench;
    const int labelWidth = french ? 102 : 81;
    const int comboX = french ? 138 : 116;
    m_labCodec->resize(labelWidth, 20);
    m_labCodec->move(30, 45);
    m_cmbVEncoder->move(comboX, 43);
    m_labFrame->resize(labelWidth, 20);
    m_labFrame->move(30, 85);
    m_cmbVFrame->move(comboX, 83);
}

bool QSettingDlg::setBgImage(QString path)
{
    delete m_bgImage;
    m_bgImage = new QImage(path);
    return true;
}

void QSettingDlg::paintEvent(QPaintEvent*)
{
    if (m_bgImage) {
        QPainter painter(this);
        imageDrawRect(painter, QRect(0, 0, width(), height()), *m_bgImage);
    }
    const int half = width() / 2;
    m_btnVideo->move(half - m_btnVideo->width(), 8);
    m_btnAudio->move(half, 8);
    m_btnDefault->move(width() - 4 - m_btnDefault->width(), 18);
}

void QSettingDlg::imageDrawRect(QPainter& painter, QRect rect, QImage image)
{
    const int pw = image.width() / 2;
    const int ph = image.height() / 2;
    const int w = rect.width();
    const int h = rect.height();
    const int cw = qMin(w, pw) / 3;
    const int ch = qMin(h, ph) / 3;
    const QPoint o = rect.topLeft();
    auto piece = [&](QRect target, QRect source) {
        QImagaeRatioDraw::drawImage(painter, target.translated(o), source, image);
    };
    piece(QRect(0, 0, cw, ch), QRect(0, 0, cw, ch));
    piece(QRect(w - cw, 0, cw, ch), QRect(pw - cw, 0, cw, ch));
    if (w - 2 * cw > 0)
        piece(QRect(cw, 0, w - 2 * cw, ch), QRect(cw, 0, pw - 2 * cw, ch));
    piece(QRect(0, h - ch, cw, ch), QRect(0, ph - ch, cw, ch));
    piece(QRect(w - cw, h - ch, cw, ch), QRect(pw - cw, ph - ch, cw, ch));
    if (w - 2 * cw > 0)
        piece(QRect(cw, h - ch, w - 2 * cw, ch), QRect(cw, ph - ch, pw - 2 * cw, ch));
    if (h - 2 * ch > 0) {
        piece(QRect(0, ch, cw, h - 2 * ch), QRect(0, ch, cw, ph - 2 * ch));
        piece(QRect(w - cw, ch, cw, h - 2 * ch), QRect(pw - cw, ch, cw, ph - 2 * ch));
        if (ph != 2 * ch)
            piece(QRect(cw, ch, w - 2 * cw, h - 2 * ch), QRect(cw, ch, pw - 2 * cw, ph - 2 * ch));
    }
}
