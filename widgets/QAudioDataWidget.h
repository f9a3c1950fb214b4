#pragma once

#include "AudioDataAttribute.h"

#include <QElapsedTimer>
#include <QImage>
#include <QVector>
#include <QWidget>

class QTimer;

// A level-bar display fed one wave block of the player at a time: the block's
// levels are averaged into bars of stacked blocks, with peak markers that fall
// back slowly.
class QAudioDataWidget : public QWidget
{
    Q_OBJECT

public:
    // The player's wave block: the count of sample bytes at byte 40, the 16-bit
    // levels from byte 44; a block never holds more than 8192 sample bytes.
    static constexpr int kCountOffset = 40;
    static constexpr int kSamplesOffset = 44;
    static constexpr int kMaxSampleBytes = 8192;

    QAudioDataWidget(QWidget* parent, AudioDataAttribute* attribute);

    // Like setAudioData, for a caller that knows how many bytes the block holds:
    // the sample count is cut to what is really there.
    bool setAudioBlock(const uchar* block, int sampleRate, qint64 blockBytes);
    void setAudioLogo(QString path);
    void setBackgroundColor(QColor color);

    int barCount() const { return m_bars; }
    int levelCount() const { return m_levelCount; }
    QVector<int> levels() const { return m_levels; }
    QVector<int> peaks() const { return m_peaks; }
    AudioDataAttribute attribute() const { return m_attr; }

    static bool TransData(const quint16* samples, int count, int* levels, int bars, int levelCount, bool flat);

public slots:
    bool setAudioData(uchar* block, int sampleRate);
    void refreshTimer();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    Q_DISABLE_COPY(QAudioDataWidget)
    void layoutBars();
    void updatePeaks();
    void drawBars(QPainter& painter);

    QRect m_drawRect = QRect(0, 0, 400, 100);
    bool m_dirty = false;
    QVector<int> m_peaks;
    QVector<int> m_peakFall;
    QVector<int> m_levels;
    int m_bars = 0;
    int m_levelCount = 0;
    AudioDataAttribute m_attr;
    QImage m_logo;
    QColor m_bgColor = Qt::transparent;
    int m_refreshInterval = 0;
    QElapsedTimer m_lastPaint;
    QTimer* m_refreshTimer = nullptr;
};
