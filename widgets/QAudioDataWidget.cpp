#include "QAudioDataWidget.h"

#include "QBaseImageDraw.h"
#include "QSkinPicture.h"

#include <QPainter>
#include <QPainterPath>
#include <QTimer>

#include <algorithm>
#include <cstring>

QAudioDataWidget::QAudioDataWidget(QWidget* parent, AudioDataAttribute* attribute) : QWidget(parent)
{
    if (attribute)
        m_attr = *attribute;
    if (m_attr.drawMode == 1) {
        m_attr.barSpace = 0;
        m_attr.blockSpace = 0;
    }
}

void QAudioDataWidget::layoutBars()
{
    m_drawRect = QRect(0, 0, width(), height());
    const int barStep = m_attr.barWidth + m_attr.barSpace;
    const int levelStep = m_attr.blockHeight + m_attr.blockSpace;
    m_bars = barStep > 0 ? (width() + m_attr.barSpace) / barStep : 0;
    m_levels = QVector<int>(m_bars, 0);
    m_peaks.clear();
    m_peakFall.clear();
    if (m_attr.showPeak) {
        m_peaks = QVector<int>(m_bars, 0);
        m_peakFall = QVector<int>(m_bars, 0);
    }
    m_levelCount = levelStep > 0 ? (height() + m_attr.blockSpace) / levelStep : 0;
}

bool QAudioDataWidget::setAudioData(uchar* block, int sampleRate)
{
    return setAudioBlock(block, sampleRate, -1);
}

bool QAudioDataWidget::setAudioBlock(const uchar* block, int sampleRate, qint64 blockBytes)
{
    if (!block) {
        m_dirty = false;
        std::fill(m_peaks.begin(), m_peaks.end(), 0);
        std::fill(m_peakFall.begin(), m_peakFall.end(), 0);
        update();
        return true;
    }
    quint32 byteCount = 0;
    std::memcpy(&byteCount, block + kCountOffset, sizeof byteCount);
    // The count in the block is not trusted beyond the bytes that really follow it.
    qint64 present = kMaxSampleBytes;
    if (blockBytes >= 0)
        present = std::min<qint64>(present, std::max<qint64>(blockBytes - kSamplesOffset, 0));
    int samples = int(std::min<qint64>(byteCount, present) >> 1);
    if (sampleRate >= 16000)
        samples = samples * 16000 / sampleRate;

    QVector<quint16> values(samples);
    if (samples > 0)
        std::memcpy(values.data(), block + kSamplesOffset, size_t(samples) * 2);
    const bool result = TransData(values.constData(), samples, m_levels.data(), m_bars, m_levelCount,
                                  m_attr.drawMode == 1);
    updatePeaks();
    m_dirty = true;
    update();
    return result;
}

void QAudioDataWidget::updatePeaks()
{
    if (m_peaks.isEmpty())
        return;
    const int levelStep = m_attr.blockHeight + m_attr.blockSpace;
    for (int i = 0; i < m_bars; ++i) {
        if (m_peaks[i] > 0) {
            if (m_attr.peakFalling) {
                m_peakFall[i] += 1;
                m_peaks[i] -= (m_peakFall[i] * m_peakFall[i]) >> 3;
            } else {
                m_peaks[i] -= 1;
            }
        }
        const int level = m_levels[i];
        const int height = level > 0 ? level * levelStep - m_attr.blockSpace : level;
        if (height > m_peaks[i]) {
            m_peaks[i] = height;
            m_peakFall[i] = 0;
        }
    }
}

// A block without samples gives empty bars rather than reading a sample that is
// not there.
bool QAudioDataWidget::TransData(const quint16* samples, int count, int* levels, int bars, int levelCount, bool flat)
{
    if (bars < 1)
        return true;
    if (count < 1) {
        std::fill(levels, levels + bars, 0);
        return true;
    }
    bool result = true;
    for (int i = 0; i < bars; ++i) {
        const int a = int(qint64(i) * count / bars);
        const int b = int(std::min<qint64>(qint64(i + 1) * count / bars, count));
        qint64 average = 0;
        if (b > a) {
            qint64 sum = 0;
            for (int k = a; k < b; ++k) {
                sum += samples[k];
                if (flat && std::abs(int(samples[k]) - int(samples[0])) > 10)
                    result = false;
            }
            average = sum / (b - a);
        } else {
            average = samples[a];
            if (flat && std::abs(int(samples[a]) - int(samples[0])) > 10)
                result = false;
        }
        if (!flat && average > 0)
            result = false;
        levels[i] = levelCount >= 1 ? int((average * levelCount) >> 16) : int(average);
    }
    return result;
}

void QAudioDataWidget::setAudioLogo(QString path)
{
    m_logo = QSkinPicture::image(path);
}

void QAudioDataWidget::setBackgroundColor(QColor color)
{
    if (color.isValid())
        m_bgColor = color;
}

void QAudioDataWidget::refreshTimer()
{
    if (!m_lastPaint.isValid() || m_lastPaint.elapsed() > m_refreshInterval) {
        m_dirty = true;
        update();
    }
}

void QAudioDataWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutBars();
}

void QAudioDataWidget::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    layoutBars();
    repaint();
}

void QAudioDataWidget::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
}

void QAudioDataWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(m_drawRect, m_bgColor);
    if (!m_logo.isNull())
        painter.drawImage(QPoint((width() - m_logo.width() / 2) / 2, (height() - m_logo.height() / 2) / 2), m_logo);
    if (m_dirty)
        drawBars(painter);
    m_dirty = false;
    if (m_refreshTimer) {
        if (!m_refreshTimer->isActive())
            m_refreshTimer->start(m_refreshInterval / 2);
        m_lastPaint.start();
    }
}

void QAudioDataWidget::drawBars(QPainter& painter)
{
    const int bottom = m_drawRect.height() - 1;
    const int barStep = m_attr.barWidth + m_attr.barSpace;
    const int levelStep = m_attr.blockHeight + m_attr.blockSpace;
    painter.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath line;
    for (int i = 0; i < m_bars; ++i) {
        const int x = i * barStep;
        if (m_attr.drawMode == 0) {
            for (int k = 0; k < m_levels[i]; ++k) {
                const QRectF block(x, bottom - m_attr.blockHeight - k * levelStep, m_attr.barWidth,
                                   m_attr.blockHeight);
                painter.fillPath(QBaseImageDraw::GetRoundedRectanglePath(block, m_attr.radius), m_attr.barColor);
            }
        } else if (m_attr.drawMode == 1) {
            const QPointF point(i * m_attr.barWidth, bottom - m_attr.blockHeight * m_levels[i]);
            if (i == 0)
                line.moveTo(point);
            else
                line.lineTo(point);
        }
        if (m_attr.showPeak && m_peaks[i] > 0)
            painter.fillRect(QRect(x, bottom - m_peaks[i] - 1, m_attr.barWidth, 1), m_attr.peakColor);
    }
    if (m_attr.drawMode == 1) {
        QPen pen(m_attr.barColor, m_attr.barWidth, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
        painter.strokePath(line, pen);
    }
}
