#include "QCommonButtonForm.h"

#include "QVEInitCtrlStyle.h"

#include <QPainter>

QCommonButtonForm::QCommonButtonForm(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    initControls();
}

QCommonButtonForm::~QCommonButtonForm() = default;

void QCommonButtonForm::initControls()
{
    // Translated with the other texts set in code, not in the form's context.
    m_btnReset->setText(QObject::tr("Reset"));
    m_btnReset->setToolTip(QObject::tr("Reset"));
    QVEInitCtrlStyle::SetVelButton(m_btnReset, 110, 22);
    m_btnApplyToAll->setText(QObject::tr("Apply to all"));
    m_btnApplyToAll->setToolTip(QObject::tr("Apply to all"));
    QVEInitCtrlStyle::SetVelButton(m_btnApplyToAll, 110, 22);
    connect(m_btnReset, &QAbstractButton::clicked, this, &QCommonButtonForm::emitReset);
    connect(m_btnApplyToAll, &QAbstractButton::clicked, this, &QCommonButtonForm::emitApplyToAll);
}

// The panel's background shows through.
void QCommonButtonForm::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
}

// Centred as a pair, ten rows apart; a block too small clips them.
void QCommonButtonForm::resizeEvent(QResizeEvent*)
{
    const int resetY = (height() - m_btnReset->height() - m_btnApplyToAll->height() - 10) / 2;
    m_btnReset->move((width() - m_btnReset->width()) / 2, resetY);
    m_btnApplyToAll->move((width() - m_btnApplyToAll->width()) / 2, resetY + m_btnReset->height() + 9);
}

void QCommonButtonForm::showEvent(QShowEvent*) {}
