#pragma once

#include "QIAnyUtil.h"
#include "QVideoSettingXml.h"

#include <QApplication>
#include <QDomDocument>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace DialogTestUtil {

inline QString settingsPath()
{
    return QIAnyUtil::getAppDataPath() + "/VideoDefaultSetting.xml";
}

// Reads without creating: a missing key gives "<missing>" and leaves no trace.
inline QString stored(const QString& group, const QString& attribute)
{
    QFile file(settingsPath());
    if (!file.open(QIODevice::ReadOnly))
        return "<missing>";
    QDomDocument document;
    if (!document.setContent(&file))
        return "<unparsable>";
    const QDomElement element = document.documentElement().firstChildElement(group);
    if (element.isNull() || !element.hasAttribute(attribute))
        return "<missing>";
    return element.attribute(attribute);
}

inline QByteArray settingsBytes()
{
    QFile file(settingsPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void clearSettings()
{
    QFile::remove(settingsPath());
}

// Stores a value whether or not its group exists yet.
inline void store(const QString& group, const QString& attribute, const QString& value)
{
    QVideoSettingXml::GetItemValue(group, attribute, value);
    QVideoSettingXml::SetItemValue(group, attribute, value);
}

// Runs answer on the next modal widget once it is up (polling, so a slow
// machine only delays it); gives up after 20 s.
inline void whenModal(std::function<void(QWidget*)> answer)
{
    auto* timer = new QTimer;
    auto* waited = new int(0);
    QObject::connect(timer, &QTimer::timeout, [timer, waited, answer] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible()) {
            timer->stop();
            timer->deleteLater();
            delete waited;
            answer(modal);
        } else if ((*waited += 20) > 20000) {
            timer->stop();
            timer->deleteLater();
            delete waited;
        }
    });
    timer->start(20);
}

} // namespace DialogTestUtil
