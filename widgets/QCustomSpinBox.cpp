#include "QCustomSpinBox.h"

#include "QCustomSpinButton.h"
#include "QFieldTextPalette.h"

#include <QEvent>
#include <QLineEdit>
#include <QRegExpValidator>

QCustomSpinBox::QCustomSpinBox(QWidget* parent) : QCustomImageWidget(parent)
{
    m_edit = new QLineEdit(this);
    m_edit->setStyleSheet("QLineEdit {background-color:transparent;border:none}");
    m_edit->setAttribute(Qt::WA_MacShowFocusRect, false);
    m_edit->show();
    m_edit->setPalette(fieldTextPalette(m_edit->palette(), m_editColor));
    QFont font = m_edit->font();
    font.setFamily("helvetica neue");
    font.setPointSize(12);
    m_edit->setFont(font);
    m_edit->setValidator(new QRegExpValidator(QRegExp("^[0-9]*[1-9][0-9]*$", Qt::CaseSensitive), m_edit));
    connect(m_edit, &QLineEdit::textEdited, this, &QCustomSpinBox::editTextChange);
    showValue(0);

    m_btnUp = new QCustomSpinButton(this);
    m_btnDown = new QCustomSpinButton(this);
    connect(m_btnUp, &QCustomSpinButton::clicked, this, &QCustomSpinBox::OnBtnUp);
    connect(m_btnDown, &QCustomSpinButton::clicked, this, &QCustomSpinBox::OnBtnDown);
}

void QCustomSpinBox::setUpAndDownBtnImage(QString upPath, QString downPath)
{
    m_btnUp->setBtnImageForRect(upPath, QRect());
    m_btnDown->setBtnImageForRect(downPath, QRect());
    m_btnUp->show();
    m_btnDown->show();
}

void QCustomSpinBox::setRange(int min, int max)
{
    m_min = min;
    m_max = max;
    showValue(min);
}

void QCustomSpinBox::setValue(int value)
{
    if (value < m_min)
        value = m_min;
    else if (value >= m_max)
        value = m_max - 1;
    showValue(value);
}

int QCustomSpinBox::getValue() { return m_value; }

void QCustomSpinBox::setEditColor(QColor enabled, QColor disabled)
{
    m_editColor = enabled;
    m_editDisColor = disabled;
}

void QCustomSpinBox::showValue(int value)
{
    m_value = value;
    m_edit->setText(QString::number(value));
}

void QCustomSpinBox::OnBtnUp()
{
    if (m_value + 1 >= m_max)
        return;
    showValue(m_value + 1);
}

void QCustomSpinBox::OnBtnDown()
{
    if (m_value <= m_min)
        return;
    showValue(m_value - 1);
}

void QCustomSpinBox::editTextChange(QString text)
{
    if (text.isEmpty())
        showValue(0);
    setValue(text.toInt());
}

void QCustomSpinBox::paintEvent(QPaintEvent* event)
{
    QCustomImageWidget::paintEvent(event);
    const int w = width();
    const int h = height();
    m_edit->setGeometry(3, 0, w - 27, h);
    m_btnUp->move(w - 16, 0);
    m_btnDown->move(w - 16, 11);
}

void QCustomSpinBox::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange)
        m_edit->setPalette(fieldTextPalette(m_edit->palette(), isEnabled() ? m_editColor : m_editDisColor));
    QCustomImageWidget::changeEvent(event);
}
