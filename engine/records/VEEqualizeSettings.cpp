#include "VEEqualizeSettings.h"

void VEEqualizeSettings::setBands(const double *frequencies, const double *gains, int32_t count)
{
    clear();
    if (count <= 0 || !frequencies || !gains)
        return;
    m_frequencies.reserve(count);
    m_gains.reserve(count);
    for (int32_t i = 0; i < count; ++i) {
        m_frequencies.append(frequencies[i]);
        m_gains.append(gains[i]);
    }
}

void VEEqualizeSettings::clear()
{
    m_frequencies.clear();
    m_gains.clear();
}

const double *VEEqualizeSettings::frequencies() const
{
    return m_frequencies.isEmpty() ? nullptr : m_frequencies.constData();
}

const double *VEEqualizeSettings::gains() const
{
    return m_gains.isEmpty() ? nullptr : m_gains.constData();
}
