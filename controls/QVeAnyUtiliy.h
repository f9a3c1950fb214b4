#pragma once

#include <QString>

class QVeAnyUtiliy
{
public:
    static void QDpiScaleInit();
    static float getDpiScale();
    static QString converSize(quint64 bytes);
    static QString getResourcePath();
    static bool equalDouble(double a, double b);
};
