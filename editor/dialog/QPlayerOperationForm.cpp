#include "QPlayerOperationForm.h"

#include "QBaseImageDraw.h"
#include "QVEInitCtrlStyle.h"
#include "VECommonClass.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {
QString picture(const char* name) { return VECommonClass::getCustomResPath() + QLatin1String(name); }
int right(const QWidget* widget) { return widget->x() + widget->width() - 1; }
}

QPlayerOperationForm::QPlayerOperationForm(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    initControls();
}

QPlayerOperationForm::~QPlayerOperationForm() = default;

void QPlayerOperationForm::initControls()
{
    struct Button {
        QVelBaseButton* button;
        const char* image;
        QString tip;
    };
    const Button buttons[] = {
        {m_btnSnapshot, "/btn_snapshot.png", QObject::tr("Snapshot")},
        {m_btnSnapshotMenu, "/btn_snapshot_menu.png", QObject::tr("Snapshot Menu")},
        {m_btnPlay, "/btn_play.png", QObject::tr("Play")},
        {m_btnPause, "/btn_pause.png", QObject::tr("Pause")},
        {m_btnStop, "/btn_stop.png", QObject::tr("Stop")},
    };
    for (const Button& b : buttons) {
        b.button->setButtonImage(picture(b.image));
        b.button->setToolTip(b.tip);
    }
    m_btnPause->hide();
    connect(m_btnSnapshot, &QAbstractButton::clicked, this, &QPlayerOperationForm::emitSnapshot);
    connect(m_btnSnapshotMenu, &QAbstractButton::clicked, this, &QPlayerOperationForm::emitSnapshotMenu);
    connect(m_btnPlay, &QAbstractButton::clicked, this, &QPlayerOperationForm::onBtnPlay);
    connect(m_btnPause, &QAbstractButton::clicked, this, &QPlayerOperationForm::onBtnPause);
    connect(m_btnStop, &QAbstractButton::clicked, this, &QPlayerOperationForm::onBtnStop);

    m_playProgress->setBottomImage(picture("/slider_play_bottom.png"));
    m_playProgress->setTopImage(picture("/slider_play_top.png"));
    m_playProgress->setCircle(true);
    m_playProgress->setCircleLenght(3);
    m_playProgress->setFormat(QString());
    m_playProgress->setEnabledPull(true);
    m_playProgress->setValue(0.0);
    connect(m_playProgress, &QVelBaseSlider::sendProgressValue, this, &QPlayerOperationForm::emitProgressValue);
    connect(m_playProgress, &QVelBaseSlider::sendPressEvent, this, &QPlayerOperationForm::sliderPressEvent);
    connect(m_playProgress, &QVelBaseSlider::sendReleseEvent, this, &QPlayerOperationForm::sliderReleaseEvent);
    QVEInitCtrlStyle::SetLabel(m_lblTime, m_lblTime->text(), 12);
}

void QPlayerOperationForm::onBtnPlay()
{
    m_btnPlay->hide();
    m_btnPause->show();
    emit emitPlay();
}

void QPlayerOperationForm::onBtnPause()
{
    m_btnPlay->show();
    m_btnPause->hide();
    emit emitPause();
}

void QPlayerOperationForm::onBtnStop()
{
    m_btnPlay->show();
    m_btnPause->hide();
    emit emitStop();
}

void QPlayerOperationForm::showPlayOrPause(bool playing)
{
    m_btnPlay->setVisible(!playing);
    m_btnPause->setVisible(playing);
}

void QPlayerOperationForm::setPlayProcess(double fraction) { m_playProgress->setValue(fraction * 100.0); }

void QPlayerOperationForm::setTime(QString time) { m_lblTime->setText(time); }

void QPlayerOperationForm::playFinish()
{
    m_playProgress->setValue(0.0);
    showPlayOrPause(false);
}

void QPlayerOperationForm::sliderPressEvent(QMouseEvent*) { emit emitSliderPress(); }

void QPlayerOperationForm::sliderReleaseEvent(QMouseEvent*) { emit emitSliderRelease(); }

void QPlayerOperationForm::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillPath(QBaseImageDraw::GetRoundedRectanglePath(QRectF(0, 0, width(), height()), 4),
                     QColor(74, 74, 74));
}

void QPlayerOperationForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    updateLocation();
}

// One row, every control centred vertically; the slider takes what the buttons
// and the time text leave.
void QPlayerOperationForm::updateLocation()
{
    const auto centreY = [this](const QWidget* w) { return (height() - w->height()) / 2; };
    m_btnSnapshot->move(12, centreY(m_btnSnapshot));
    m_btnSnapshotMenu->move(right(m_btnSnapshot), centreY(m_btnSnapshotMenu));
    m_btnPlay->move(right(m_btnSnapshotMenu) + 12, centreY(m_btnPlay));
    m_btnPause->move(right(m_btnSnapshotMenu) + 12, centreY(m_btnPause));
    m_btnStop->move(right(m_btnPause) + 12, centreY(m_btnStop));
    m_lblTime->move(width() - m_lblTime->width() - 12, centreY(m_lblTime));
    m_playProgress->resize(m_lblTime->x() - 24 - right(m_btnStop), m_playProgress->height());
    m_playProgress->move(right(m_btnStop) + 12, centreY(m_playProgress));
}
