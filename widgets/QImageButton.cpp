#include "QImageButton.h"

#include "QSkinPicture.h"
#include "QStripDraw.h"
#include "QStripState.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QMovie>
#include <QPainter>

#include <cmath>

QImageButton::QImageButton(QWidget* parent) : QPushButton(parent) {}

QImageButton::~QImageButton()
{
    delete m_movie;
}

bool QImageButton::setBtnImage(QString path)
{
    m_image = QSkinPicture::image(path);
    setFixedSize(QStripDraw::cellSize(m_image));
    return true;
}

// A second call replaces the first animation and its label.
void QImageButton::setBtnanimation(int x, int y, QString movieFile)
{
    delete m_animLabel;
    delete m_movie;
    m_movie = new QMovie(movieFile);
    m_animLabel = new QLabel(this);
    m_animLabel->setGeometry(x, y, m_image.width() / 4, m_image.height());
    m_animLabel->setMovie(m_movie);
}

void QImageButton::setAnimationStart(bool on)
{
    if (!m_movie)
        return;
    m_animation = on;
    if (on) {
        m_movie->start();
        m_animLabel->show();
    } else {
        m_movie->stop();
        m_animLabel->hide();
    }
}

bool QImageButton::getAnimationState() { return m_animation; }

void QImageButton::setBtnText(QRect rect, QString text, bool show)
{
    m_textRect = rect;
    m_text = text;
    m_showText = show;
}

void QImageButton::setShowBtnText(bool show) { m_showText = show; }
void QImageButton::setFontSize(int size) { m_fontSize = size; }
void QImageButton::setOverState(bool on) { m_overState = on; }
void QImageButton::setBtnState(int state) { m_state = state; }

void QImageButton::setStateNow(int state)
{
    if (state == m_state)
        return;
    m_state = state;
    repaint();
}

void QImageButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_pressX = int(std::lround(event->screenPos().x())) - mapToGlobal(QPoint(0, 0)).x();
        if (isEnabled())
            setStateNow(QStripState::next(m_state, QStripState::LeftPress, true));
        else
            m_state = 3;
    }
    QPushButton::mousePressEvent(event);
}

void QImageButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        setStateNow(QStripState::next(m_state, QStripState::LeftRelease, isEnabled()));
    QPushButton::mouseReleaseEvent(event);
}

void QImageButton::mouseMoveEvent(QMouseEvent* event)
{
    if (m_state == 2)
        emit mouseMove(event, m_pressX);
    QPushButton::mouseMoveEvent(event);
}

void QImageButton::enterEvent(QEvent* event)
{
    setCursor(Qt::PointingHandCursor);
    setStateNow(QStripState::next(m_state, QStripState::Enter, isEnabled()));
    QPushButton::enterEvent(event);
}

void QImageButton::leaveEvent(QEvent* event)
{
    setStateNow(QStripState::next(m_state, QStripState::Leave, isEnabled()));
    QPushButton::leaveEvent(event);
}

void QImageButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange)
        m_state = QStripState::next(m_state, QStripState::EnabledChange, isEnabled());
    QPushButton::changeEvent(event);
}

void QImageButton::paintEvent(QPaintEvent*)
{
    if (m_image.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    int index = m_state;
    if (m_state == 3 && m_overState)
        index = 2;
    const int cellPixels = m_image.width() / 4;
    const int sourceX = (index < 0 || index > 3 || m_image.width() < 4) ? 0 : index * cellPixels;
    const QRect source(sourceX, 0, m_image.width() - sourceX, m_image.height());
    const QRect target(0, 0, source.width() / 2, source.height() / 2);
    painter.drawImage(target, m_image, source);

    if (m_showText) {
        const QPen saved = painter.pen();
        painter.setPen(Qt::white);
        QFont font("Tahoma");
        font.setPixelSize(m_fontSize);
        painter.setFont(font);
        const QFontMetrics metrics(QApplication::font());
        const QString shown = metrics.elidedText(m_text, Qt::ElideMiddle, m_textRect.width() + 15);
        painter.drawText(m_textRect, Qt::AlignCenter, shown);
        painter.setPen(saved);
    }
}
