#include "QCustomTimeEdit.h"
#include "WidgetsLog.h"

#include "QFieldTextPalette.h"
#include "QTextImageButton.h"
#include "QTimeEditEx.h"
#include "QTimeText.h"

#include <QDebug>
#include <QEvent>
#include <QLineEdit>

QCustomTimeEdit::QCustomTimeEdit(QWidget* parent) : QCustomImageWidget(parent)
{
    m_edit = new QTimeEditEx(this);
    m_edit->setStyleSheet(
        "QTimeEdit{background:transparent;border:none;padding:1 -15 1 1;}"
        "QTimeEdit::up-button {background:transparent;border:0px solid red;margin-bottom:0px sloid blue;height:0px;}"
        "QTimeEdit::down-button {background:transparent;border:0px solid red;width: 0px;height:0px;}");
    m_edit->setDisplayFormat("hh:mm:ss.zzz");
    m_edit->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    m_edit->installEventFilter(this);
    m_edit->setAttribute(Qt::WA_MacShowFocusRect, false);
    QFont font = m_edit->font();
    font.setFamily("Tahoma");
    font.setPixelSize(12);
    m_edit->setFont(font);
    QPalette palette = m_edit->palette();
    palette.setColor(QPalette::All, QPalette::WindowText, QColor(159, 147, 147));
    palette.setColor(QPalette::All, QPalette::Text, QColor(228, 228, 228));
    m_edit->setPalette(palette);
    m_lastValidText = m_edit->getLindEdit()->text();

    connect(m_edit, &QTimeEdit::timeChanged, this, &QCustomTimeEdit::onTimeChanged);
    connect(m_edit, &QTimeEditEx::emitStepUp, this, &QCustomTimeEdit::OnBtnUp);
    connect(m_edit, &QTimeEditEx::emitStepDown, this, &QCustomTimeEdit::OnBtnDown);
    // Typed text is reported once it is confirmed (Enter, Tab or leaving the field),
    // not per keystroke: the owner answers a report by setting the time back, which
    // would otherwise overwrite the half-typed text.
    connect(m_edit, &QAbstractSpinBox::editingFinished, this, &QCustomTimeEdit::timeEditingFinished);
    m_edit->show();
}

void QCustomTimeEdit::setUpAndDownBtnImage(QString upPath, QString downPath)
{
    if (!m_btnUp) {
        m_btnUp = new QTextImageButton(this);
        connect(m_btnUp, &QTextImageButton::clicked, m_edit, &QTimeEditEx::stepUp);
    }
    m_btnUp->setBtnImageForRect(upPath, QRect());
    if (!m_btnDown) {
        m_btnDown = new QTextImageButton(this);
        connect(m_btnDown, &QTextImageButton::clicked, m_edit, &QTimeEditEx::stepDown);
    }
    m_btnDown->setBtnImageForRect(downPath, QRect());
    m_btnUp->show();
    m_btnDown->show();
}

void QCustomTimeEdit::setEditColor(QColor enabled, QColor disabled)
{
    m_editColor = enabled;
    m_editDisColor = disabled;
    QPalette palette = m_edit->palette();
    palette.setColor(QPalette::All, QPalette::WindowText, enabled);
    palette.setColor(QPalette::All, QPalette::Text, enabled);
    m_edit->setPalette(palette);
    m_edit->getLindEdit()->setPalette(palette);
}

void QCustomTimeEdit::setTimeRange(quint64 minimum, quint64 maximum)
{
    m_minimum = QTimeText::fromMicros(minimum);
    m_maximum = QTimeText::fromMicros(maximum);
    if (!m_edit->hasFocus())
        m_edit->setTimeRange(m_minimum, m_maximum);
}

void QCustomTimeEdit::clearRange()
{
    m_edit->clearMaximumTime();
    m_edit->clearMinimumTime();
    m_minimum = m_edit->minimumTime();
    m_maximum = m_edit->maximumTime();
}

// While the user types, the editor takes any time of the day: a range check per
// keystroke would turn a time past the end (say 9 s of a 6 s file) into another
// one. The confirmed time is brought into the range instead.
bool QCustomTimeEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_edit && event->type() == QEvent::FocusIn)
        m_edit->setTimeRange(QTime(0, 0), QTime(23, 59, 59, 999));
    return QCustomImageWidget::eventFilter(watched, event);
}

void QCustomTimeEdit::setCurrentTime(quint64 micros)
{
    m_currentMicros = micros;
    m_currentTime = QTimeText::fromMicros(micros);
    m_edit->setTime(m_currentTime);
    m_lastValidText = m_edit->getLindEdit()->text();
}

quint64 QCustomTimeEdit::getCurrentTime() { return m_currentMicros; }
void QCustomTimeEdit::setTimeEidtTextColor(QColor) {}
void QCustomTimeEdit::onTimeChanged(QTime) {}
void QCustomTimeEdit::timeTextChanged(QString) {}

// Leaving the field unchanged reports nothing; a confirmed text the editor could
// not take puts the last good time back.
void QCustomTimeEdit::timeEditingFinished()
{
    QTime typed = QTimeText::parse(m_edit->getLindEdit()->text());
    if (typed.isValid())
        typed = qBound(m_minimum, typed, m_maximum);
    if (!m_edit->hasFocus())
        m_edit->setTimeRange(m_minimum, m_maximum);
    if (!typed.isValid()) {
        setCurrentTime(m_currentMicros);
        return;
    }
    if (QTimeText::toMicros(typed) == m_currentMicros / 1000 * 1000) {
        setCurrentTime(m_currentMicros);
        return;
    }
    timeTextEdited(typed.toString("hh:mm:ss.zzz"));
}
quint64 QCustomTimeEdit::TimeConvertToInt(QTime time) { return QTimeText::toMicros(time); }
QTime QCustomTimeEdit::IntConvertToTime(quint64 micros) { return QTimeText::fromMicros(micros); }

// A typed text that gives no valid time (a field out of range) is not reported:
// the field goes back to the last valid text instead of sending a wrapped value.
void QCustomTimeEdit::timeTextEdited(QString text)
{
    const QTime typed = QTimeText::parse(text);
    qCDebug(lcWidgets) << "QCustomTimeEdit typed" << text << typed;
    if (!typed.isValid()) {
        m_edit->getLindEdit()->setText(m_lastValidText);
        return;
    }
    m_lastValidText = text;
    m_currentTime = typed;
    emit emitTimeChange(QTimeText::toMicros(typed));
}

QTime QCustomTimeEdit::carriedUp(QTime current, QTime stepped, QDateTimeEdit::Section section, QTime maximum)
{
    if (!current.isValid())
        return stepped;
    int h = current.hour(), m = current.minute(), s = current.second(), ms = current.msec();
    bool carry = false;
    if (section == QDateTimeEdit::MSecSection && ms == 999) {
        carry = true;
        ms = 0;
        ++s;
    } else if (section == QDateTimeEdit::SecondSection && s == 59) {
        carry = true;
        ++s;
    } else if (section == QDateTimeEdit::MinuteSection && m == 59) {
        carry = true;
        ++m;
    }
    if (!carry)
        return stepped;
    if (s == 60) {
        s = 0;
        ++m;
    }
    if (m == 60) {
        m = 0;
        ++h;
    }
    const QTime carried(h, m, s, ms);
    return carried.isValid() && carried <= maximum ? carried : stepped;
}

// A borrow that would need an hour below 0 is not made: the time never wraps from
// 00:00:00.000 round to the end of the first hour.
QTime QCustomTimeEdit::borrowedDown(QTime current, QTime stepped, QDateTimeEdit::Section section, QTime minimum,
                                    QTime maximum)
{
    if (!current.isValid())
        return stepped;
    int h = current.hour(), m = current.minute(), s = current.second(), ms = current.msec();
    bool borrow = false;
    if (section == QDateTimeEdit::MSecSection && ms == 0) {
        borrow = true;
        ms = 999;
        --s;
    } else if (section == QDateTimeEdit::SecondSection && s == 0) {
        borrow = true;
        --s;
    } else if (section == QDateTimeEdit::MinuteSection && m == 0) {
        borrow = true;
        --m;
    }
    if (!borrow)
        return stepped;
    if (s < 0) {
        s = 59;
        --m;
    }
    if (m < 0) {
        m = 59;
        --h;
    }
    if (h < 0)
        return stepped;
    const QTime borrowed(h, m, s, ms);
    return borrowed >= minimum && borrowed < maximum ? borrowed : stepped;
}

void QCustomTimeEdit::OnBtnUp()
{
    const QTime taken = qBound(m_minimum, carriedUp(m_currentTime, m_edit->time(), m_edit->currentSection(), m_maximum),
                               m_maximum);
    qCDebug(lcWidgets) << "QCustomTimeEdit up" << m_currentTime << m_edit->time() << m_edit->currentSection()
             << m_edit->minimumTime() << m_edit->maximumTime() << taken;
    emit emitTimeChange(QTimeText::toMicros(taken));
}

void QCustomTimeEdit::OnBtnDown()
{
    const QTime taken = qBound(m_minimum,
                               borrowedDown(m_currentTime, m_edit->time(), m_edit->currentSection(), m_minimum, m_maximum),
                               m_maximum);
    qCDebug(lcWidgets) << "QCustomTimeEdit down" << m_currentTime << m_edit->time() << m_edit->currentSection()
             << m_edit->minimumTime() << m_edit->maximumTime() << taken;
    emit emitTimeChange(QTimeText::toMicros(taken));
}

void QCustomTimeEdit::paintEvent(QPaintEvent* event)
{
    QCustomImageWidget::paintEvent(event);
    const int w = width();
    const int h = height();
    const int u = m_btnUp ? m_btnUp->width() + 5 : 10;
    m_edit->setGeometry(QRect(QPoint(5, 2), QPoint(w + 4 - u, h - 3)));
    if (m_btnUp)
        m_btnUp->move(w - m_btnUp->width(), 0);
    if (m_btnDown)
        m_btnDown->move(w - m_btnDown->width(), 12);
}

void QCustomTimeEdit::changeEvent(QEvent* event)
{
    // The line edit holds its own palette since setEditColor: it gets the new one
    // too, or a disabled field would keep showing the enabled colour.
    if (event->type() == QEvent::EnabledChange) {
        const QPalette palette = fieldTextPalette(QPalette(), isEnabled() ? m_editColor : m_editDisColor);
        m_edit->setPalette(palette);
        m_edit->getLindEdit()->setPalette(palette);
    }
    QCustomImageWidget::changeEvent(event);
}
