#pragma once

#include <QFont>
#include <QMargins>
#include <QString>

class QProjectConfigPrivate;

// What the control library must know about the application hosting it. Filled once
// at start-up; message boxes copy the values when they are built.
class QProjectConfig
{
public:
    QProjectConfig();
    ~QProjectConfig();

    static QProjectConfig* getProjectConfig();
    static void releaseProjectConfig();

    QString companyName() const;
    void setCompanyName(QString name);
    QString projectName() const;
    void setProjectName(QString name);
    QString projectShortName() const;
    void setProjectShortName(QString name);
    QString projectVersionName() const;
    void setProjectVersionName(QString name);

    void setDlgTopAndBottom(int top, int bottom);
    int dlgTop() const;
    int dlgBottom() const;

    void setTransparentMargins(int margin);
    void setTransparentMargins(int left, int top, int right, int bottom);
    void setTransparentMargins(QMargins& margins);
    QMargins getTransparentMargins() const;

    void setFont(QFont font);
    QFont font() const;

private:
    Q_DISABLE_COPY(QProjectConfig)
    QProjectConfigPrivate* d;
};
