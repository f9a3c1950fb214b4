#pragma once

#include <QVector>
#include <cstdint>

// Equaliser bands: frequencies in Hz and gains in dB, always the same count.
// Held as value vectors, so copies never share bands and self-assignment is safe.
class VEEqualizeSettings
{
public:
    // Replaces every band; a count of 0 (or null arrays) leaves no bands.
    void setBands(const double *frequencies, const double *gains, int32_t count);
    void clear();

    int32_t count() const { return m_frequencies.size(); }
    const double *frequencies() const;   // null when there are no bands
    const double *gains() const;         // null when there are no bands
    double frequency(int i) const { return m_frequencies.at(i); }
    double gain(int i) const { return m_gains.at(i); }

    bool operator==(const VEEqualizeSettings &o) const
    {
        return m_frequencies == o.m_frequencies && m_gains == o.m_gains;
    }
    bool operator!=(const VEEqualizeSettings &o) const { return !(*this == o); }

private:
    QVector<double> m_frequencies;
    QVector<double> m_gains;
};
