#pragma once
// Lets a snapshot program draw its windows in another language: the environment
// variable ZV_SNAPSHOT_LANGUAGE names one entry of the shipped language list
// ("Deutsch", "Français", ...). Call after HOME is replaced and the QApplication
// exists, before any window is built.

#include "QConverterOperate.h"
#include "QIAnyUtil.h"
#include "QVideoSettingXml.h"

#include <QCoreApplication>
#include <QTextStream>
#include <QTranslator>

namespace SnapshotLanguage {

// False when the variable names a language the list or its translation lacks.
inline bool useFromEnvironment()
{
    const QString name = QString::fromUtf8(qgetenv("ZV_SNAPSHOT_LANGUAGE"));
    if (name.isEmpty())
        return true;
    const QString folder = QIAnyUtil::getResourcePath() + QStringLiteral("/Language/");
    const QPair<QString, QString> entry =
        QVideoSettingXml::GetLanguageFile(folder + QStringLiteral("Language.xml"), name);
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (entry.first.isEmpty() || !translator->load(folder + entry.first)) {
        QTextStream(stderr) << "no translation for the language " << name << "\n";
        return false;
    }
    // Saved as the user's choice, so that the main window loads it too; installed
    // at once for the windows drawn without the main window.
    QVideoSettingXml::GetItemValue(QStringLiteral("Language_item"), QStringLiteral("Language_Name"),
                                   QStringLiteral("English"));
    QVideoSettingXml::SetItemValue(QStringLiteral("Language_item"), QStringLiteral("Language_Name"), name);
    QConverterOperate::setLanguageType(entry.second);
    QCoreApplication::installTranslator(translator);
    // Qt's own dialogs too (English has no such file).
    QString code = entry.first;
    code.remove(QStringLiteral("lang_")).remove(QStringLiteral(".qm"));
    auto* qtTranslator = new QTranslator(QCoreApplication::instance());
    if (qtTranslator->load(folder + QStringLiteral("qtbase_") + code + QStringLiteral(".qm")))
        QCoreApplication::installTranslator(qtTranslator);
    return true;
}

} // namespace SnapshotLanguage
