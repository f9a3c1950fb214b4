#include "QTrimOperationForm.h"

#include "QVEInitCtrlStyle.h"
#include "QVelScrollBar.h"
#include "QVideoEditingSettings.h"
#include "VECommonClass.h"

#include <QAbstractItemView>
#include <QListView>
#include <QPainter>
#include <cmath>

namespace {
QString picture(const char* name) { return VECommonClass::getCustomResPath() + QLatin1String(name); }
int right(const QWidget* w) { return w->x() + w->width() - 1; }

QString clockText(uint64_t microseconds, bool withMs)
{
    const int ms = int(microseconds / 1000.0);
    const QChar zero('0');
    QString text = QStringLiteral("%1:%2:%3")
                       .arg(ms / 3600000, 2, 10, zero)
                       .arg((ms / 60000) % 60, 2, 10, zero)
                       .arg((ms / 1000) % 60, 2, 10, zero);
    if (withMs)
        text += QStringLiteral(".%1").arg(ms % 1000, 3, 10, zero);
    return text;
}
}

QTrimOperationForm::QTrimOperationForm(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    initControls();
}

QTrimOperationForm::~QTrimOperationForm() = default;

void QTrimOperationForm::initControls()
{
    struct Button {
        QVelBaseButton* button;
        const char* image;
        QString tip;
    };
    const Button buttons[] = {
        {m_btnSnapshot, "/btn_snapshot.png", QObject::tr("Snapshot")},
        {m_btnSnapshotMenu, "/btn_snapshot_menu.png", QObject::tr("Snapshot Menu")},
        {m_btnPrevious, "/btn_trimstartset.png", QObject::tr("Previous Frame")},
        {m_btnNext, "/btn_trimendset.png", QObject::tr("Next Frame")},
        {m_btnTrimPlay, "/btn_trimplay.png", QObject::tr("Play Section")},
        {m_btnTrimPause, "/btn_Pause.png", QObject::tr("Pause Section")},
        {m_btnTrimStop, "/btn_stop.png", QObject::tr("Stop")},
        {m_btnTrim, "/btn_trim.png", QObject::tr("Trim")},
        {m_btnReset, "/btn_reset.png", QObject::tr("Reset")},
        {m_btnPlay, "/btn_play.png", QObject::tr("Play")},
        {m_btnPause, "/btn_Pause.png", QObject::tr("Pause")},
    };
    for (const Button& b : buttons) {
        b.button->setButtonImage(picture(b.image));
        b.button->setToolTip(b.tip);
    }
    m_btnTrimPause->hide();
    m_btnPlay->hide();
    connect(m_btnSnapshot, &QAbstractButton::clicked, this, &QTrimOperationForm::emitSnapshot);
    connect(m_btnSnapshotMenu, &QAbstractButton::clicked, this, &QTrimOperationForm::emitSnapshotMenu);
    connect(m_btnPrevious, &QAbstractButton::clicked, this, &QTrimOperationForm::onPrevious);
    connect(m_btnNext, &QAbstractButton::clicked, this, &QTrimOperationForm::onNext);
    connect(m_btnTrimPlay, &QAbstractButton::clicked, this, &QTrimOperationForm::onTrimPlay);
    connect(m_btnTrimPause, &QAbstractButton::clicked, this, &QTrimOperationForm::onTrimPause);
    connect(m_btnTrimStop, &QAbstractButton::clicked, this, &QTrimOperationForm::onBtnStop);
    connect(m_btnTrim, &QAbstractButton::clicked, this, &QTrimOperationForm::onTrim);
    connect(m_btnReset, &QAbstractButton::clicked, this, &QTrimOperationForm::onReset);
    connect(m_btnPlay, &QAbstractButton::clicked, this, &QTrimOperationForm::onBtnPlay);
    connect(m_btnPause, &QAbstractButton::clicked, this, &QTrimOperationForm::onBtnPause);

    for (QLabel* label : {m_lblTime, m_lblStartTime, m_lblEndTime})
        QVEInitCtrlStyle::SetLabel(label, label->text(), 12);

    QVEInitCtrlStyle::InitVelCheckCombox(m_cbbChater);
    m_cbbChater->setCheckMode(false);
    m_cbbChater->resize(164, 22);
    m_cbbChater->setBtnMargins(-1, -1, 2, 0);
    m_scrollBar = new QVelScrollBar(Qt::Vertical, m_cbbChater->view());
    QVEInitCtrlStyle::SetQVelScrollBar(m_scrollBar);
    m_cbbChater->view()->setVerticalScrollBar(m_scrollBar);
    m_cbbChater->hide();
    initSlider();
}

void QTrimOperationForm::initSlider()
{
    m_TrimDSlider->setBottomImage(picture("/slider_bottom.png"));
    m_TrimDSlider->setTopImage(picture("/slider_top.png"));
    m_TrimDSlider->setStartBtnImage(picture("/btn_silder_start.png"), 2);
    m_TrimDSlider->setEndBtnImage(picture("/btn_silder_end.png"));
    m_TrimDSlider->setProgressBtnImage(picture("/btn_silder_proess.png"), 7);
    m_TrimDSlider->setCircle(true);
    m_TrimDSlider->setCircleLenght(1);
    m_TrimDSlider->setPlayValue(0, false);
    m_TrimDSlider->setStartValue(0);
    m_TrimDSlider->setEndValue(100);
    connect(m_TrimDSlider, &QDualSlider::sendPlayProValue, this, &QTrimOperationForm::emitSliderSendPlayProToPlay);
    connect(m_TrimDSlider, &QDualSlider::sendProgressValue, this, &QTrimOperationForm::startProgressValue);
    connect(m_TrimDSlider, &QDualSlider::sendEndProgressValue, this, &QTrimOperationForm::endProgressValue);
    connect(m_TrimDSlider, &QDualSlider::emitMousePress, this, &QTrimOperationForm::emitSliderMousePress);
    connect(m_TrimDSlider, &QDualSlider::emitmouseRelease, this, &QTrimOperationForm::emitSliderMouseRelease);
}

void QTrimOperationForm::setEditSettings(QVideoEditingSettings* settings) { m_settings = settings; }

void QTrimOperationForm::setDisableSnapshot(bool disable)
{
    m_btnSnapshot->setEnabled(!disable);
    m_btnSnapshotMenu->setEnabled(!disable);
}

void QTrimOperationForm::trimDSliderEnable(bool enable)
{
    m_TrimDSlider->setEnabled(enable);
    m_TrimDSlider->showPlayBtn(enable);
}

QString QTrimOperationForm::timeToString(uint64_t microseconds) { return clockText(microseconds, true); }

QString QTrimOperationForm::timeToString2(uint64_t microseconds) { return clockText(microseconds, false); }

uint64_t QTrimOperationForm::fractionToTime(uint64_t start, uint64_t length, float fraction)
{
    const float sum = float(start) + fraction * float(length);
    return sum <= 0.0f ? 0 : uint64_t(sum);
}

// ---- player reports ----

void QTrimOperationForm::playFinish()
{
    m_TrimDSlider->setPlayValue(0, false);
    m_btnPlay->show();
    m_btnTrimPlay->show();
    m_btnPause->hide();
    m_btnTrimPause->hide();
}

void QTrimOperationForm::setPlayProcess(double fraction) { m_TrimDSlider->setPlayValue(float(fraction * 100.0), false); }

void QTrimOperationForm::setTime(QString time) { m_lblTime->setText(time); }

void QTrimOperationForm::showPlayOrPause(bool playing)
{
    m_btnPlay->setVisible(!playing);
    m_btnPause->setVisible(playing);
}

void QTrimOperationForm::showTrimPlayOrPause(bool playing)
{
    m_btnTrimPlay->setVisible(!playing);
    m_btnTrimPause->setVisible(playing);
}

void QTrimOperationForm::setStartEndProgressValue(float percent)
{
    if (m_TrimDSlider->GetFocusInStartBtn())
        m_TrimDSlider->setStartValue(percent);
    else
        m_TrimDSlider->setEndValue(percent);
}

void QTrimOperationForm::showRange(uint64_t start, uint64_t end)
{
    const uint64_t shownEnd = end != 0 ? end : (m_settings ? m_settings->getDuration() : 0);
    m_lblEndTime->setText(timeToString(shownEnd));
    m_lblEndTime->adjustSize();
    m_TrimDSlider->setEndBtnToolTip(timeToString(shownEnd));
    m_lblStartTime->setText(timeToString(start));
    m_lblStartTime->adjustSize();
    m_TrimDSlider->setStartBtnToolTip(timeToString(start));
    m_lblEndTime->move(m_TrimDSlider->x() + m_TrimDSlider->width() - m_lblEndTime->width() - 1, m_lblEndTime->y());
}

void QTrimOperationForm::trimTimeChange(uint64_t start, uint64_t end) { showRange(start, end); }

// ---- frame steps and play buttons ----

void QTrimOperationForm::onPrevious()
{
    const float p = m_TrimDSlider->getPlayValue();
    const float s = m_TrimDSlider->getStartValue();
    const float e = m_TrimDSlider->getEndValue();
    if (m_TrimDSlider->GetFocusInStartBtn()) {
        emit emitPreviousStep(double(std::fabs(p - s)) > 0.00001, s);
        return;
    }
    if (double(std::fabs(s - e)) < 0.00001)
        return;
    emit emitPreviousStep(double(std::fabs(p - e)) > 0.000001, e);
}

void QTrimOperationForm::onNext()
{
    const float p = m_TrimDSlider->getPlayValue();
    const float s = m_TrimDSlider->getStartValue();
    const float e = m_TrimDSlider->getEndValue();
    if (m_TrimDSlider->GetFocusInStartBtn()) {
        if (double(std::fabs(s - e)) < 0.00001)
            return;
        emit emitNextStep(double(std::fabs(p - s)) > 0.000001, s);
        return;
    }
    emit emitNextStep(double(std::fabs(p - e)) > 0.000001, e);
}

void QTrimOperationForm::onTrimPlay()
{
    m_btnPlay->hide();
    m_btnPause->show();
    m_btnTrimPlay->hide();
    m_btnTrimPause->show();
    emit emitTrimPlay(m_TrimDSlider->getStartValue(), m_TrimDSlider->getEndValue());
}

void QTrimOperationForm::onTrimPause()
{
    m_btnPlay->show();
    m_btnPause->hide();
    emit emitTrimPause();
}

void QTrimOperationForm::onBtnPlay()
{
    m_btnPlay->hide();
    m_btnPause->show();
    emit emitPlay();
}

void QTrimOperationForm::onBtnPause()
{
    m_btnPlay->show();
    m_btnPause->hide();
    m_btnTrimPlay->show();
    m_btnTrimPause->hide();
    emit emitPause();
}

void QTrimOperationForm::onBtnStop()
{
    m_btnPlay->show();
    m_btnPause->hide();
    emit emitStop();
}

// ---- trim, reset and chapters ----

void QTrimOperationForm::resetSlider()
{
    m_TrimDSlider->setStartValue(0);
    m_TrimDSlider->setEndValue(100);
    m_TrimDSlider->SetFocusInStartBtn(true);
}

// The slider's range in the current range's times. An end handle at the right
// end keeps the record's end; with chapters an end of 0 (end of file) becomes
// the duration first, so entry 0 never gets a wrapped length.
void QTrimOperationForm::computeRange(uint64_t& start, uint64_t& end, bool plusOneAtZero)
{
    start = 0;
    end = 0;
    const float s = m_TrimDSlider->getStartValue();
    const float e = m_TrimDSlider->getEndValue();
    if (!m_settings)
        return;
    VEEditConfig cfg;
    m_settings->getEditConfig(cfg);
    const uint64_t length = m_settings->getPlaylength();
    end = e == 1.0f ? cfg.m_trimEnd : fractionToTime(cfg.m_trimStart, length, e);
    start = fractionToTime(cfg.m_trimStart, length, s);
    if (end == 0 && !cfg.m_chapterList.isEmpty())
        end = m_settings->getDuration();
    if (start == end && (start != 0 || plusOneAtZero))
        end = end + 1;
}

bool QTrimOperationForm::setCurrentChapter(uint64_t start, uint64_t end)
{
    if (!m_settings)
        return false;
    QList<VEChapterInfo>& chapters = m_settings->getEditConfig().m_chapterList;
    if (chapters.isEmpty())
        return false;
    VEChapterInfo& current = chapters[0];
    current.m_startTime = start;
    current.m_endTime = end;
    current.m_length = end >= start ? end - start : 0;
    current.m_text = QStringLiteral("%1, %2-%3")
                         .arg(QString::fromUtf8(current.m_name), timeToString2(start), timeToString2(end))
                         .toUtf8();
    return true;
}

void QTrimOperationForm::sendCurrentChapter(uint64_t start, uint64_t end)
{
    m_cbbChater->setItemText(0, QString::fromUtf8(m_settings->getEditConfig().m_chapterList.at(0).m_text));
    if (m_cbbChater->currentIndex() != 0 && m_bChapterConnected)
        m_cbbChater->setCurrentIndex(0);
    else
        emit emitTrimChapter(start, end);
}

void QTrimOperationForm::onTrim()
{
    uint64_t start = 0;
    uint64_t end = 0;
    computeRange(start, end, false);
    resetSlider();
    if (!setCurrentChapter(start, end)) {
        emit emitTrim(start, end);
        return;
    }
    sendCurrentChapter(start, end);
}

void QTrimOperationForm::chapterSelectedChanged(int index)
{
    if (!m_settings || index < 0)
        return;
    const QList<VEChapterInfo>& chapters = m_settings->getEditConfig().m_chapterList;
    if (chapters.isEmpty() || index >= chapters.size())
        return;
    const VEChapterInfo chosen = chapters.at(index);
    resetSlider();
    setCurrentChapter(chosen.m_startTime, chosen.m_endTime);
    m_cbbChater->setItemText(0, QString::fromUtf8(m_settings->getEditConfig().m_chapterList.at(0).m_text));
    emit emitTrimChapter(chosen.m_startTime, chosen.m_endTime);
}

void QTrimOperationForm::onReset()
{
    if (!m_settings)
        return;
    resetSlider();
    const uint64_t duration = m_settings->getDuration();
    if (!setCurrentChapter(0, duration)) {
        emit emitReset();
        return;
    }
    sendCurrentChapter(0, duration);
}

void QTrimOperationForm::saveTrimTime()
{
    uint64_t start = 0;
    uint64_t end = 0;
    computeRange(start, end, true);
    if (!m_settings)
        return;
    m_settings->setTrimTimeNoSeekPlayer(start, end);
    setCurrentChapter(start, end);
}

void QTrimOperationForm::startProgressValue(double fraction)
{
    if (!m_settings)
        return;
    const uint64_t t = uint64_t(double(m_settings->getTrimStartTime()) + double(m_settings->getPlaylength()) * fraction);
    m_TrimDSlider->setStartBtnToolTip(timeToString(t));
}

void QTrimOperationForm::endProgressValue(double fraction)
{
    if (!m_settings)
        return;
    const uint64_t t = uint64_t(double(m_settings->getTrimStartTime()) + double(m_settings->getPlaylength()) * fraction);
    m_TrimDSlider->setEndBtnToolTip(timeToString(t));
}

// After the load: labels, tooltips and the chapter list, with the chapter whose
// range is the record's selected; only then does a pick reach the player.
void QTrimOperationForm::loadingSetting()
{
    if (!m_settings)
        return;
    VEEditConfig cfg;
    m_settings->getEditConfig(cfg);
    showRange(cfg.m_trimStart, cfg.m_trimEnd);
    if (cfg.m_chapterList.isEmpty())
        return;
    m_cbbChater->deleteAllItem();
    m_cbbChater->show();
    for (const VEChapterInfo& chapter : cfg.m_chapterList)
        m_cbbChater->addItem(QString::fromUtf8(chapter.m_text));
    int selected = 0;
    const uint64_t ts = cfg.m_trimStart;
    const uint64_t te = cfg.m_trimEnd;
    for (int i = 1; i < cfg.m_chapterList.size(); ++i) {
        const VEChapterInfo& c = cfg.m_chapterList.at(i);
        if (c.m_startTime + 1000 > ts && c.m_startTime < ts + 1000 && c.m_endTime < te + 1000 && c.m_endTime + 1000 > te)
            selected = i;
    }
    m_cbbChater->setCheckState(selected, true);
    m_cbbChater->setCurrentIndex(selected);
    if (!m_bChapterConnected) {
        connect(m_cbbChater, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
                &QTrimOperationForm::chapterSelectedChanged);
        m_bChapterConnected = true;
    }
    updateLocation();
}

// ---- layout and painting ----

void QTrimOperationForm::updateLocation()
{
    const int w = width();
    const int top = (height() - 66) / 2;
    const auto rowY = [top](const QWidget* widget) { return top + (26 - widget->height()) / 2; };
    QWidget* const row[] = {m_btnSnapshot, m_btnSnapshotMenu, m_btnPrevious, m_btnNext,
                            m_btnTrimPause, m_btnTrimStop, m_btnTrim, m_btnReset};
    // The chooser's own width again, in case a narrower form shrank it before.
    m_cbbChater->resize(164, m_cbbChater->height());
    int total = 0;
    for (QWidget* widget : row)
        total += widget->width();
    total += m_cbbChater->isHidden() ? 120 : m_cbbChater->width() + 140;
    m_btnSnapshot->move((w - total) / 2, rowY(m_btnSnapshot));
    m_btnSnapshotMenu->move(right(m_btnSnapshot), rowY(m_btnSnapshotMenu));
    QWidget* previous = m_btnSnapshotMenu;
    QWidget* const rest[] = {m_btnPrevious, m_btnNext, m_btnTrimPause, m_btnTrimStop, m_btnTrim, m_btnReset};
    for (QWidget* widget : rest) {
        widget->move(right(previous) + 20, rowY(widget));
        if (widget == m_btnTrimPause)
            m_btnTrimPlay->move(widget->x(), rowY(m_btnTrimPlay));
        previous = widget;
    }
    m_lblTime->move(w - m_lblTime->width() - 22, rowY(m_lblTime));
    if (!m_cbbChater->isHidden()) {
        m_cbbChater->move(right(m_btnReset) + 20, rowY(m_cbbChater));
        keepRowClearOfReadout();
    }

    const auto secondY = [top](const QWidget* widget) { return top + 20 + (40 - widget->height()) / 2; };
    m_btnPlay->move(22, secondY(m_btnPlay));
    m_btnPause->move(22, secondY(m_btnPause));
    m_TrimDSlider->resize(w - m_btnPlay->width() - 48, m_TrimDSlider->height());
    m_TrimDSlider->setEndValue(100);
    m_TrimDSlider->move(right(m_btnPlay) + 12, secondY(m_TrimDSlider));
    const int labelY = m_TrimDSlider->y() + m_TrimDSlider->height() - 1 - 4;
    m_lblStartTime->move(m_TrimDSlider->x(), labelY);
    m_lblEndTime->move(m_TrimDSlider->x() + m_TrimDSlider->width() - m_lblEndTime->width() - 1, labelY);
}

// The centred row with the chooser can reach the position readout at the right:
// the row then moves left as far as it can, and only then does the chooser narrow.
void QTrimOperationForm::keepRowClearOfReadout()
{
    const int limit = m_lblTime->x() - 12;
    const int overlap = right(m_cbbChater) - limit;
    if (overlap <= 0)
        return;
    const int shift = qMin(overlap, qMax(0, m_btnSnapshot->x() - 10));
    QWidget* const row[] = {m_btnSnapshot, m_btnSnapshotMenu, m_btnPrevious, m_btnNext, m_btnTrimPause,
                            m_btnTrimPlay,  m_btnTrimStop,     m_btnTrim,    m_btnReset, m_cbbChater};
    for (QWidget* widget : row)
        widget->move(widget->x() - shift, widget->y());
    if (right(m_cbbChater) > limit)
        m_cbbChater->resize(qMax(60, limit - m_cbbChater->x() + 1), m_cbbChater->height());
}

void QTrimOperationForm::resizeEvent(QResizeEvent*) { updateLocation(); }

void QTrimOperationForm::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(74, 74, 74));
}

void QTrimOperationForm::showEvent(QShowEvent* event) { QWidget::showEvent(event); }
