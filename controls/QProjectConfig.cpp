#include "QProjectConfig.h"

class QProjectConfigPrivate
{
public:
    QString companyName;
    QString projectName;
    QString projectShortName;
    QString projectVersionName;
    int dlgTop = 22;
    int dlgBottom = 50;
    QMargins transparentMargins;
    QFont font;
};

namespace {
QProjectConfig* s_projectConfig = nullptr;
}

QProjectConfig::QProjectConfig() : d(new QProjectConfigPrivate) {}

QProjectConfig::~QProjectConfig()
{
    delete d;
}

QProjectConfig* QProjectConfig::getProjectConfig()
{
    if (!s_projectConfig)
        s_projectConfig = new QProjectConfig;
    return s_projectConfig;
}

void QProjectConfig::releaseProjectConfig()
{
    delete s_projectConfig;
    s_projectConfig = nullptr;
}

QString QProjectConfig::companyName() const { return d->companyName; }
void QProjectConfig::setCompanyName(QString name) { d->companyName = name; }
QString QProjectConfig::projectName() const { return d->projectName; }
void QProjectConfig::setProjectName(QString name) { d->projectName = name; }
QString QProjectConfig::projectShortName() const { return d->projectShortName; }
void QProjectConfig::setProjectShortName(QString name) { d->projectShortName = name; }
QString QProjectConfig::projectVersionName() const { return d->projectVersionName; }
void QProjectConfig::setProjectVersionName(QString name) { d->projectVersionName = name; }

void QProjectConfig::setDlgTopAndBottom(int top, int bottom)
{
    d->dlgTop = top;
    d->dlgBottom = bottom;
}

int QProjectConfig::dlgTop() const { return d->dlgTop; }
int QProjectConfig::dlgBottom() const { return d->dlgBottom; }

void QProjectConfig::setTransparentMargins(int margin)
{
    d->transparentMargins = QMargins(margin, margin, margin, margin);
}

void QProjectConfig::setTransparentMargins(int left, int top, int right, int bottom)
{
    d->transparentMargins = QMargins(left, top, right, bottom);
}

void QProjectConfig::setTransparentMargins(QMargins& margins)
{
    d->transparentMargins = margins;
}

QMargins QProjectConfig::getTransparentMargins() const { return d->transparentMargins; }
void QProjectConfig::setFont(QFont font) { d->font = font; }
QFont QProjectConfig::font() const { return d->font; }
