#include "QVideoCutDlg.h"
#include "WorkspaceLog.h"

#include "QConverterOperate.h"
#include "QIAnyUtil.h"
#include "VelVideoConvertItem.h"

#include <QDebug>

namespace {
QString res(const char *name) { return QIAnyUtil::getResourcePath() + QLatin1String(name); }
const QString kCaptionFont = QStringLiteral("苹方-简");
const QColor kCaptionColor(55, 55, 55);
const QColor kFieldColor(228, 228, 228);
constexpr int kLanguageGerman = 2;
constexpr int kLanguageFrench = 3;
constexpr int kLanguageJapanese = 4;

void skinTextButton(QTextImageButton *button, const char *picture, const QString &caption, int size, QRect rect)
{
    button->setBtnImageAndText(res(picture), caption, size);
    button->setFontBold(true);
    button->setImgBtnRect(rect);
    button->setFontFormat(kCaptionFont);
    button->setTextColor(kCaptionColor, kCaptionColor, kCaptionColor, kCaptionColor);
}
} // namespace

QVideoCutDlg::QVideoCutDlg(QWidget *parent) : QImageWidget(parent)
{
    setupUi(this);
    setWindowFlags(Qt::FramelessWindowHint);
    setMouseTracking(true);
    setAttribute(Qt::WA_TranslucentBackground, true);
    setBackgroundImage(res("/image/CutToolDlg/bg_cutTool.png"), true);
    initCtrl();
}

QVideoCutDlg::~QVideoCutDlg() = default;

void QVideoCutDlg::initCtrl()
{
    skinTextButton(m_btnAddFile, "/image/Common_bg/btn_common1.png", QObject::tr("Open"), 14, QRect(0, 0, 68, 50));
    m_btnAddFile->setToolTip(QObject::tr("Open File"));

    m_btnStartSet->setBtnImage(res("/image/CutToolDlg/btn_start_time.png"));
    m_btnEndSet->setBtnImage(res("/image/CutToolDlg/btn_end_time.png"));
    connect(m_btnStartSet, &QPushButton::clicked, this, &QVideoCutDlg::emitOnBtnStartSet);
    connect(m_btnEndSet, &QPushButton::clicked, this, &QVideoCutDlg::emitOnBtnEndSet);

    m_TrimDSlider->setBtnBgImage(res("/image/CutToolDlg/trake_cut_btn_bg.png"));
    m_TrimDSlider->setBottomImage(res("/image/CutToolDlg/trake_cut1.png"));
    m_TrimDSlider->setTopImage(res("/image/CutToolDlg/trake_cut2.png"));
    m_TrimDSlider->setStartBtnImage(res("/image/CutToolDlg/btn_silder_left.png"), 2);
    m_TrimDSlider->setEndBtnImage(res("/image/CutToolDlg/btn_silder_right.png"));
    m_TrimDSlider->setProgressBtnImage(res("/image/CutToolDlg/btn_silder_proess.png"), 4);
    m_TrimDSlider->setCircle(true);
    m_TrimDSlider->setCircleLenght(10);
    m_TrimDSlider->setPlayValue(0, false);
    m_TrimDSlider->move(10, 10);
    m_TrimDSlider->setEnabled(false);
    m_TrimDSlider->showPlayBtn(false);

    for (QCustomTimeEdit *field : {m_startTimeEdit, m_endTimeEdit}) {
        field->setImageForRect(res("/image/Common_bg/spin_rect.png"), QRect(0, 0, 138, 24));
        field->setUpAndDownBtnImage(res("/image/Common_bg/btn_up.png"), res("/image/Common_bg/btn_down.png"));
        field->setBtnMode(false);
        field->setEditColor(kFieldColor, kFieldColor);
    }

    m_btnPlayTrim->setBtnImage(res("/image/CutToolDlg/btn_play_section.png"));
    m_btnPauseTrim->setBtnImage(res("/image/CutToolDlg/btn_pause_section.png"));
    m_btnStopTrim->setBtnImage(res("/image/CutToolDlg/btn_stop_section.png"));
    m_btnPauseTrim->hide();
    setCtrlEnable(false);
    connect(m_btnPlayTrim, &QPushButton::clicked, this, &QVideoCutDlg::OnBtnTrim);
    connect(m_btnPauseTrim, &QPushButton::clicked, this, &QVideoCutDlg::OnPauseTrim);
    connect(m_btnStopTrim, &QPushButton::clicked, this, &QVideoCutDlg::OnStopTrim);
    connect(m_btnPlayTrim, &QPushButton::clicked, this, &QVideoCutDlg::emitPlaySelect);
    connect(m_btnPauseTrim, &QPushButton::clicked, this, &QVideoCutDlg::emitPauseSelect);
    connect(m_btnStopTrim, &QPushButton::clicked, this, &QVideoCutDlg::emitStopSelect);

    skinTextButton(m_btnConvert, "/image/Common_bg/btn_common1.png", QObject::tr("Start"), 14, QRect(0, 0, 68, 50));
    skinTextButton(m_btnCancel, "/image/Common_bg/btn_common1.png", QObject::tr("Stop"), 14, QRect(0, 0, 68, 50));
    m_btnCancel->hide();
    skinTextButton(m_btnFormat, "/image/Common_bg/btn_common2.png", QObject::tr("Format"), 12, QRect(0, 0, 60, 24));
    connect(m_btnConvert, &QPushButton::clicked, this, &QVideoCutDlg::emitOnConvert);
    connect(m_btnCancel, &QPushButton::clicked, this, &QVideoCutDlg::emitStopConvert);
    connect(m_btnFormat, &QPushButton::clicked, this, &QVideoCutDlg::emitShowFormatDlg);

    QFont labelFont(QStringLiteral("Tahoma"));
    labelFont.setPixelSize(12);
    for (QLabel *label : {m_labStart, m_labEnd}) {
        label->setFont(labelFont);
        QPalette pal = label->palette();
        pal.setColor(QPalette::WindowText, kFieldColor);
        label->setPalette(pal);
    }

    retranslateUi();

    connect(m_btnAddFile, &QPushButton::clicked, this, &QVideoCutDlg::OnBtnAdd);
    connect(m_TrimDSlider, &QDualSlider::sendPlayProValue, this, &QVideoCutDlg::sendPlayProToPlay);
    connect(m_TrimDSlider, &QDualSlider::sendProgressValue, this, &QVideoCutDlg::emitStartValueChange);
    connect(m_TrimDSlider, &QDualSlider::sendEndProgressValue, this, &QVideoCutDlg::emitEndValueChange);
    connect(m_TrimDSlider, &QDualSlider::emitMousePress, this, &QVideoCutDlg::emitSliderMousePress);
    connect(m_TrimDSlider, &QDualSlider::emitmouseRelease, this, &QVideoCutDlg::emitSliderMouseRelease);
    connect(m_startTimeEdit, &QCustomTimeEdit::emitTimeChange, this, &QVideoCutDlg::emitStartTimeChange);
    connect(m_endTimeEdit, &QCustomTimeEdit::emitTimeChange, this, &QVideoCutDlg::emitEndTimeChange);
    m_btnAddFile->setFocusPolicy(Qt::WheelFocus);
    m_btnAddFile->setFocus();
}

void QVideoCutDlg::retranslateUi()
{
    m_labStart->setText(QObject::tr("Start Time:"));
    m_labEnd->setText(QObject::tr("End Time:"));
    m_labStart->adjustSize();
    m_labEnd->adjustSize();
    const int language = QConverterOperate::getLanguageType();
    const QRect field(0, 0, language == kLanguageFrench ? 114 : 138, 24);
    m_startTimeEdit->setImgBtnRect(field);
    m_endTimeEdit->setImgBtnRect(field);
    m_btnAddFile->setImgBtnRect(QRect(0, 0, language == kLanguageJapanese ? 87 : 77, 58));
    const QRect convert(0, 0, language == kLanguageGerman ? 87 : 77, 58);
    m_btnConvert->setImgBtnRect(convert);
    m_btnCancel->setImgBtnRect(convert);

    m_btnAddFile->setBtnText(QObject::tr("Open"));
    m_btnAddFile->setToolTip(QObject::tr("Open File"));
    m_btnFormat->setBtnText(QObject::tr("Format"));
    m_btnConvert->setBtnText(QObject::tr("Start"));
    m_btnCancel->setBtnText(QObject::tr("Stop"));
    m_btnStartSet->setToolTip(QObject::tr("Set Segment Start Time"));
    m_btnEndSet->setToolTip(QObject::tr("Set Segment End Time"));
    m_btnPlayTrim->setToolTip(QObject::tr("Play Segment"));
    m_btnPauseTrim->setToolTip(QObject::tr("Pause Segment"));
    m_btnStopTrim->setToolTip(QObject::tr("Pause Segment"));
    resetControlLocation();
}

void QVideoCutDlg::paintEvent(QPaintEvent *event) { QImageWidget::paintEvent(event); }

void QVideoCutDlg::resizeEvent(QResizeEvent *) { resetControlLocation(); }

void QVideoCutDlg::resetControlLocation()
{
    const float start = m_TrimDSlider->getStartValue() * 100.0f;
    const float end = m_TrimDSlider->getEndValue() * 100.0f;
    const float play = m_TrimDSlider->getPlayValue() * 100.0f;
    const int W = width();
    const int H = height();
    m_TrimDSlider->setGeometry(10, 5, W - 20, 38);
    m_TrimDSlider->setEndValue(100);
    m_TrimDSlider->setStartValue(start);
    m_TrimDSlider->setEndValue(end);
    m_TrimDSlider->setPlayValue(play, false);

    const int F = m_btnFormat->width();
    const auto lower = [H](QWidget *w) { return (H - w->height()) / 2 + 30; };
    const auto middle = [H](QWidget *w) { return (H - w->height()) / 2; };
    const auto right = [](QWidget *w) { return w->x() + w->width() - 1; };
    m_btnAddFile->move(5, (H - m_btnAddFile->height()) / 2 + 25);
    m_startTimeEdit->move(W / 2 - 6 - m_startTimeEdit->width() - F / 2, lower(m_startTimeEdit));
    m_labStart->move(m_startTimeEdit->x() - 8 - m_labStart->width(), lower(m_labStart));
    m_labEnd->move(W / 2 + 6 - F / 2, lower(m_labEnd));
    m_endTimeEdit->move(right(m_labEnd) + 8, lower(m_endTimeEdit));
    m_btnFormat->move(right(m_endTimeEdit) + 13, lower(m_btnFormat));
    m_btnEndSet->move(W / 2 - 6 - m_btnEndSet->width(), middle(m_btnEndSet));
    m_btnStartSet->move(m_btnEndSet->x() - 13 - m_btnStartSet->width(), middle(m_btnStartSet));
    m_btnPlayTrim->move(W / 2 + 6, middle(m_btnPlayTrim));
    m_btnPauseTrim->move(W / 2 + 6, middle(m_btnPauseTrim));
    m_btnStopTrim->move(right(m_btnPlayTrim) + 13, middle(m_btnStopTrim));
    m_btnConvert->move(W - 5 - m_btnConvert->width(), (H - m_btnConvert->height()) / 2 + 25);
    m_btnCancel->move(W - 5 - m_btnCancel->width(), (H - m_btnCancel->height()) / 2 + 25);
}

// ---- the segment ----

float QVideoCutDlg::percentOf(quint64 time, quint64 length)
{
    const quint64 lengthMs = length / 1000;
    if (lengthMs == 0)
        return 0.0f;
    return float(double(time / 1000) * 100.0 / double(lengthMs));
}

quint64 QVideoCutDlg::length() const { return m_itemInfo ? m_itemInfo->m_duration : 0; }

void QVideoCutDlg::setVideoItemInfo(VelVideoConvertItem *item)
{
    if (!item)
        return;
    m_itemInfo = item;
    m_nItemIndex = item->Index();
    setTrimTime(item->m_trimStart, item->m_trimEnd);
}

void QVideoCutDlg::setTrimTime(quint64 start, quint64 end)
{
    if (!m_itemInfo)
        return;
    const quint64 len = length();
    m_itemInfo->m_trimStart = start;
    m_itemInfo->m_trimEnd = end == 0 ? len : end;
    m_bEndTimeSeek = false;
    m_TrimDSlider->setEndValue(100);
    m_TrimDSlider->setStartValue(percentOf(m_itemInfo->m_trimStart, len));
    m_TrimDSlider->setEndValue(len / 1000 == 0 ? 100.0f : percentOf(m_itemInfo->m_trimEnd, len));
    m_startTimeEdit->setTimeRange(0, len);
    m_endTimeEdit->setTimeRange(0, len);
    m_startTimeEdit->setCurrentTime(m_itemInfo->m_trimStart);
    m_endTimeEdit->setCurrentTime(m_itemInfo->m_trimEnd);
    m_startTimeEdit->setTimeRange(0, m_itemInfo->m_trimEnd);
    m_endTimeEdit->setTimeRange(m_itemInfo->m_trimStart, len);
    // Fractions of an unknown length mean nothing: the slider stays off.
    if (len / 1000 == 0)
        m_TrimDSlider->setEnabled(false);
}

quint64 QVideoCutDlg::getStartTime() const { return m_itemInfo ? m_itemInfo->m_trimStart : 0; }
quint64 QVideoCutDlg::getEndTime() const { return m_itemInfo ? m_itemInfo->m_trimEnd : 0; }
quint64 QVideoCutDlg::getVideoTime() const { return length(); }

void QVideoCutDlg::setVideoLenght(quint64 len)
{
    if (m_itemInfo)
        m_itemInfo->m_duration = len;
}

void QVideoCutDlg::TrimDSliderEnable(bool enable)
{
    const bool usable = enable && !(m_itemInfo && length() / 1000 == 0);
    m_TrimDSlider->setEnabled(usable);
    m_TrimDSlider->showPlayBtn(enable);
}

void QVideoCutDlg::videoPlayPro(double percent) { m_TrimDSlider->setPlayValue(float(percent), false); }

void QVideoCutDlg::setStartValue(double percent) { m_TrimDSlider->setStartValue(float(percent)); }

void QVideoCutDlg::setEndValue(float percent) { m_TrimDSlider->setEndValue(percent); }

void QVideoCutDlg::OnBtnStartTimeSet()
{
    if (!m_itemInfo)
        return;
    const double p = m_TrimDSlider->getPlayValue();
    quint64 t = quint64(double(length()) * p);
    if (t > m_itemInfo->m_trimEnd)
        t = m_itemInfo->m_trimEnd;
    m_itemInfo->m_trimStart = t;
    m_TrimDSlider->setStartValue(percentOf(t, length()));
    m_startTimeEdit->setCurrentTime(t);
    m_endTimeEdit->setTimeRange(t, length());
}

void QVideoCutDlg::OnBtnEndTimeSet()
{
    if (!m_itemInfo)
        return;
    const double p = m_TrimDSlider->getPlayValue();
    quint64 t = quint64(double(length()) * p);
    if (t < m_itemInfo->m_trimStart)
        t = m_itemInfo->m_trimStart;
    m_itemInfo->m_trimEnd = t;
    m_TrimDSlider->setEndValue(percentOf(t, length()));
    m_endTimeEdit->setCurrentTime(t);
    m_startTimeEdit->setTimeRange(0, t);
}

void QVideoCutDlg::startValueChange(double fraction)
{
    if (!m_itemInfo)
        return;
    m_itemInfo->m_trimStart = quint64(double(length()) * fraction);
    m_startTimeEdit->setCurrentTime(m_itemInfo->m_trimStart);
    m_endTimeEdit->setTimeRange(m_itemInfo->m_trimStart, length());
}

void QVideoCutDlg::endValueChange(double fraction)
{
    if (!m_itemInfo)
        return;
    m_itemInfo->m_trimEnd = quint64(double(length()) * fraction);
    m_endTimeEdit->setCurrentTime(m_itemInfo->m_trimEnd);
    m_startTimeEdit->setTimeRange(0, m_itemInfo->m_trimEnd);
}

void QVideoCutDlg::applyStart(quint64 time)
{
    // A time from a segment row is not held by this bar's field range.
    m_itemInfo->m_trimStart = qMin<quint64>(time, m_itemInfo->m_trimEnd);
    m_startTimeEdit->setCurrentTime(m_itemInfo->m_trimStart);
    m_endTimeEdit->setTimeRange(m_itemInfo->m_trimStart, length());
}

void QVideoCutDlg::applyEnd(quint64 time)
{
    m_itemInfo->m_trimEnd = qBound<quint64>(m_itemInfo->m_trimStart, time, qMax<quint64>(length(), m_itemInfo->m_trimStart));
    m_endTimeEdit->setCurrentTime(m_itemInfo->m_trimEnd);
    m_startTimeEdit->setTimeRange(0, m_itemInfo->m_trimEnd);
}

void QVideoCutDlg::startTimeChange(uint64_t time)
{
    if (!m_itemInfo)
        return;
    applyStart(time);
    qCDebug(lcWorkspace) << "m_itemInfo->m_TrimStartTime  ---QVideoCutDlg::startTimeChange----" << m_itemInfo->m_trimStart;
    const float percent = percentOf(m_itemInfo->m_trimStart, length());
    m_TrimDSlider->setStartValue(percent);
    m_TrimDSlider->setPlayValue(percent, true);
}

void QVideoCutDlg::endTimeChange(uint64_t time)
{
    if (!m_itemInfo)
        return;
    applyEnd(time);
    qCDebug(lcWorkspace) << "m_itemInfo->m_TrimEndTime  ---QVideoCutDlg::endTimeChange----" << m_itemInfo->m_trimEnd;
    const float percent = percentOf(m_itemInfo->m_trimEnd, length());
    m_TrimDSlider->setEndValue(percent);
    if (m_bEndTimeSeek)
        m_TrimDSlider->setPlayValue(percent, true);
    else
        m_bEndTimeSeek = true;
}

void QVideoCutDlg::setTrimStartTime(quint64 time)
{
    if (!m_itemInfo)
        return;
    applyStart(time);
    m_TrimDSlider->setStartValue(percentOf(m_itemInfo->m_trimStart, length()));
}

void QVideoCutDlg::setTrimEndTime(quint64 time)
{
    if (!m_itemInfo)
        return;
    applyEnd(time);
    m_TrimDSlider->setEndValue(percentOf(m_itemInfo->m_trimEnd, length()));
}

// ---- buttons and states ----

void QVideoCutDlg::OnBtnTrim()
{
    m_btnPlayTrim->hide();
    m_btnPauseTrim->show();
    m_btnStopTrim->setEnabled(true);
}

void QVideoCutDlg::OnPauseTrim()
{
    m_btnPlayTrim->show();
    m_btnPauseTrim->hide();
}

void QVideoCutDlg::OnStopTrim()
{
    m_btnPlayTrim->show();
    m_btnPauseTrim->hide();
    m_btnStopTrim->setEnabled(false);
}

void QVideoCutDlg::setCtrlEnable(bool on)
{
    for (QWidget *w : std::initializer_list<QWidget *>{m_startTimeEdit, m_endTimeEdit, m_btnStartSet, m_btnEndSet,
                                                       m_btnPlayTrim, m_btnConvert})
        w->setEnabled(on);
    m_btnPlayTrim->show();
    m_btnPauseTrim->hide();
    m_btnStopTrim->setEnabled(false);
}

void QVideoCutDlg::resetCutDlg()
{
    setCtrlEnable(false);
    for (QCustomTimeEdit *field : {m_startTimeEdit, m_endTimeEdit}) {
        field->setTimeRange(0, 0);
        field->setCurrentTime(0);
    }
    m_TrimDSlider->setPlayValue(0, false);
    m_TrimDSlider->setStartValue(0);
    m_TrimDSlider->setEndValue(100);
    // The item manager may delete the item once the list is cleared.
    m_itemInfo = nullptr;
    m_nItemIndex = -1;
}

void QVideoCutDlg::IsStartConverterSet(bool converting)
{
    m_btnConvert->setVisible(!converting);
    m_btnCancel->setVisible(converting);
    m_btnAddFile->setEnabled(!converting);
    m_TrimDSlider->setEnabled(!converting);
    m_btnFormat->setEnabled(!converting);
    setCtrlEnable(!converting);
}
