#include "QTimeControl.h"

#include <algorithm>

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

namespace {

// Label interval by length. Each limit is a round length plus a slack of ten
// microseconds, so a file a hair longer than a round number keeps the finer scale.
struct Rung
{
    unsigned long long below;
    unsigned long long seconds;
};

constexpr Rung kLadder[] = {
    {10000010ULL, 1},           {20000010ULL, 2},           {30000010ULL, 3},
    {50000010ULL, 5},           {100000010ULL, 10},         {150000010ULL, 15},
    {300000010ULL, 30},         {600000010ULL, 60},         {1200000010ULL, 120},
    {1800000010ULL, 180},       {3000000010ULL, 300},       {6000000010ULL, 600},
    {9000000010ULL, 900},       {18000000010ULL, 1800},     {36000000010ULL, 3600},
    {72000000010ULL, 7200},     {108000000010ULL, 10800},   {180000000010ULL, 18000},
    {360000000010ULL, 36000},   {540000000010ULL, 54000},   {1080000000010ULL, 108000},
};

constexpr unsigned long long kSecond = 1000000ULL;

} // namespace

QTimeControl::QTimeControl(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    m_font = font();
    m_font.setFamily(QStringLiteral("Tahoma"));
    m_font.setPixelSize(10);
    getSpaceTime2(m_total);
}

unsigned long long QTimeControl::labelInterval(unsigned long long total)
{
    for (const Rung& rung : kLadder) {
        if (total < rung.below)
            return rung.seconds * kSecond;
    }
    const unsigned long long unit = 108000ULL * kSecond;
    const unsigned long long tenth = total / 10;
    return (tenth + unit - 1) / unit * unit;
}

void QTimeControl::getSpaceTime2(unsigned long long total)
{
    m_step = labelInterval(total) / 5;
}

void QTimeControl::setTime(unsigned long long total)
{
    m_hasTime = true;
    m_total = total;
    getSpaceTime2(total);
    update();
}

void QTimeControl::clearData()
{
    m_total = 3600000000ULL;
    m_step = 120000000ULL;
    m_hasTime = false;
}

void QTimeControl::setTimeFont(QFont font)
{
    m_font = font;
    update();
}

QString QTimeControl::timeToString(unsigned long long us)
{
    const QChar zero('0');
    return QStringLiteral("%1:%2:%3.%4")
        .arg(us / 3600000000ULL, 2, 10, zero)
        .arg(us / 60000000ULL % 60, 2, 10, zero)
        .arg(us / 1000000ULL % 60, 2, 10, zero)
        .arg(us / 1000ULL % 1000, 2, 10, zero);
}

double QTimeControl::tickSpacing() const
{
    // A length of 0 (a raw stream without duration) has nothing to divide.
    if (m_total == 0 || m_step == 0)
        return 0;
    return double(width()) * double(m_step) / double(m_total);
}

QVector<int> QTimeControl::tickPositions() const
{
    QVector<int> xs;
    const double spacing = tickSpacing();
    if (spacing <= 0)
        return xs;
    const unsigned long long n = m_total / m_step;
    xs.reserve(int(n + 1));
    for (unsigned long long i = 0; i <= n; ++i)
        xs.append(int(double(i) * spacing + 1.0));
    return xs;
}

void QTimeControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int w = width();
    const int h = height();
    painter.fillRect(rect(), m_bgColor);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(m_lineColor, 1));

    const QVector<int> xs = tickPositions();
    for (int i = 0; i < xs.size(); ++i) {
        if (i % 5 != 0)
            painter.drawLine(xs[i], h - 4, xs[i], h);
        else
            painter.drawLine(xs[i], h - 8, xs[i], h - 1);
    }
    painter.drawLine(0, h - 1, w, h - 1);

    if (!m_hasTime)
        return;
    painter.setPen(m_textColor);
    painter.setFont(m_font);
    const QFontMetrics metrics(m_font);
    const double spacing = tickSpacing();
    QVector<QPair<QRect, QString>> labels;
    for (int i = 0; i < xs.size(); i += 5) {
        const QString label = timeToString(m_step * (unsigned long long)i);
        const int width = metrics.horizontalAdvance(label) + 2;
        // A label near the right end ends at the edge rather than being cut;
        // one it would then run into gives way.
        const int x = std::max(0, std::min(int(double(i) * spacing + 1.0), w - width));
        const QRect box(x, h - 9 - metrics.height(), width, metrics.height());
        if (!labels.isEmpty() && labels.last().first.right() >= box.left())
            labels.removeLast();
        labels.append({box, label});
    }
    for (const auto& label : labels)
        painter.drawText(label.first, Qt::AlignLeft | Qt::AlignVCenter, label.second);
}

void QTimeControl::mousePressEvent(QMouseEvent* event)
{
    event->ignore();
}

void QTimeControl::mouseMoveEvent(QMouseEvent* event)
{
    event->ignore();
}

void QTimeControl::mouseReleaseEvent(QMouseEvent* event)
{
    event->ignore();
}
