#include "QVeAnyUtiliy.h"

#include "QIAnyUtil.h"

void QVeAnyUtiliy::QDpiScaleInit() {}

float QVeAnyUtiliy::getDpiScale()
{
    return 1.0f;
}

QString QVeAnyUtiliy::converSize(quint64 bytes)
{
    const quint64 kb = 1024;
    const quint64 mb = kb * 1024;
    const quint64 gb = mb * 1024;
    const quint64 tb = gb * 1024;
    if (bytes < kb)
        return QString("%1 B").arg(bytes);
    if (bytes < mb)
        return QString("%1 KB").arg(QString::number(double(bytes) / kb, 'f', 2));
    if (bytes < gb)
        return QString("%1 MB").arg(QString::number(double(bytes) / mb, 'f', 2));
    if (bytes < tb)
        return QString("%1 GB").arg(QString::number(double(bytes) / gb, 'f', 2));
    return QString("%1 T").arg(QString::number(double(bytes) / tb, 'f', 2));
}

QString QVeAnyUtiliy::getResourcePath()
{
    return QIAnyUtil::getResourcePathDoubledSeparator();
}

bool QVeAnyUtiliy::equalDouble(double a, double b)
{
    const double diff = a - b;
    return diff > -0.000001 && diff < 0.000001;
}
