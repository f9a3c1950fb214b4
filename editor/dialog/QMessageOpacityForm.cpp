#include "QMessageOpacityForm.h"

#include "QVEInitCtrlStyle.h"
#include "VECommonClass.h"

#include <QDesktopServices>
#include <QTimer>
#include <QUrl>

namespace {
QString picture(const char* name) { return VECommonClass::getCustomResPath() + QLatin1String(name); }
constexpr int kHoldMs = 1000;
constexpr int kFadeStepMs = 50;
}

QMessageOpacityForm::QMessageOpacityForm(QWidget* parent) : QVelDialog(parent)
{
    setupUi(this);
    setAttribute(Qt::WA_TranslucentBackground, true);
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    initControls();
    setFixedSize(351, 125);
    const rectSize corner{50, 50};
    setGridViewInfo(corner, corner, corner, corner);
}

QMessageOpacityForm::~QMessageOpacityForm() = default;

void QMessageOpacityForm::initControls()
{
    m_timer = new QTimer(this);
    m_btnClose->setButtonImage(picture("/btn_close.png"));
    m_btnMin->setButtonImage(picture("/btn_min.png"));
    m_btnMin->setEnabled(false);
    m_btnMax->setButtonImage(picture("/btn_max.png"));
    m_btnMax->setEnabled(false);
    m_btnOk->setButtonImage(picture("/btn_common.png"));
    for (QLabel* label : {m_lblSuppport, m_lblText}) {
        QVEInitCtrlStyle::SetPalette(label, QPalette::WindowText, QColor(246, 246, 246));
        QVEInitCtrlStyle::SetFont(label, 12);
    }
    connect(m_timer, &QTimer::timeout, this, &QMessageOpacityForm::onTimer);
    connect(m_btnClose, &QAbstractButton::clicked, this, &QMessageOpacityForm::onClose);
    connect(m_btnOk, &QAbstractButton::clicked, this, &QMessageOpacityForm::onClose);
    connect(m_lblSuppport, &QLabel::linkActivated, this, &QMessageOpacityForm::openUrl);
}

void QMessageOpacityForm::setMessageText(QString text) { placeText(text, 50, height() / 2 - 5); }

void QMessageOpacityForm::setMessageText(QString text, int x, int y)
{
    placeText(text, x, y);
    m_btnOk->show();
}

void QMessageOpacityForm::placeText(const QString& text, int x, int y)
{
    m_lblText->setText(text);
    m_lblText->adjustSize();
    m_lblText->setGeometry(x, y, width(), 40);
    m_lblText->setWordWrap(true);
    m_lblText->setAlignment(Qt::AlignTop);
}

void QMessageOpacityForm::startOpacity()
{
    setWindowOpacity(1.0);
    m_timer->start(kHoldMs);
}

void QMessageOpacityForm::setShowlink(int x, int y, bool show)
{
    m_lblSuppport->setVisible(show);
    m_lblSuppport->move(x, y);
}

void QMessageOpacityForm::setCheckShow(bool show) { m_ckbNote->setVisible(show); }

void QMessageOpacityForm::setIsOpacity(bool hold) { m_bIsOpacity = hold; }

void QMessageOpacityForm::setXmlSetting() {}

// The first tick ends the hold and switches to the quick fade steps; the window
// closes once it is nearly transparent.
void QMessageOpacityForm::onTimer()
{
    const double opacity = windowOpacity();
    if (opacity > 0.9)
        m_timer->start(kFadeStepMs);
    if (opacity >= 0.1) {
        setWindowOpacity(opacity - 0.1);
        return;
    }
    m_timer->stop();
    close();
}

void QMessageOpacityForm::onClose()
{
    setWindowOpacity(1.0);
    m_timer->stop();
    close();
}

void QMessageOpacityForm::openUrl(QString) { QDesktopServices::openUrl(QUrl()); }

void QMessageOpacityForm::enterEvent(QEvent* event)
{
    QVelDialog::enterEvent(event);
    if (!m_bIsOpacity)
        return;
    setWindowOpacity(1.0);
    m_timer->stop();
}

void QMessageOpacityForm::leaveEvent(QEvent* event)
{
    QVelDialog::leaveEvent(event);
    if (!m_bIsOpacity)
        return;
    setWindowOpacity(1.0);
    m_timer->start(kHoldMs);
}

void QMessageOpacityForm::resizeEvent(QResizeEvent* event)
{
    QVelDialog::resizeEvent(event);
    m_btnClose->move(13, 13);
    m_btnMin->move(m_btnClose->geometry().right() + 1 + 8, 13);
    m_btnMax->move(m_btnMin->geometry().right() + 1 + 8, 13);
}
