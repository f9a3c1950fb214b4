#pragma once
// Audio-effect packs of a test's own, for panels that load their packs when they
// are built. The editing resources are redirected to a temporary folder whose
// picture folder links to the real one, so the panels keep their skin.
// Header-only: the including test links the editing model library.

#include "VECommonClass.h"

#include <QDir>
#include <QFile>
#include <QList>
#include <QPair>
#include <QString>

namespace TestAudioPacks {

// packs: folder name and config.xml text, in list order. Call before any
// panel is built; the redirection holds for the rest of the process.
inline bool install(const QString& root, const QList<QPair<QString, QByteArray>>& packs)
{
    const QString pictures = VECommonClass::getCustomResPath();
    if (!QFile::link(pictures, root + "/VEditSource"))
        return false;
    for (const auto& pack : packs) {
        const QString folder = root + "/AudioEffects/" + pack.first;
        QFile config(folder + "/config.xml");
        if (!QDir().mkpath(folder) || !config.open(QIODevice::WriteOnly) || config.write(pack.second) < 0)
            return false;
    }
    VECommonClass::setCustomResPath(QDir(VECommonClass::getResourcePath()).relativeFilePath(root));
    return QDir(VECommonClass::getAudioEffectsPath()).exists();
}

inline QByteArray pack(const char* name, const QByteArray& bands, int rate = 100)
{
    return QByteArray("<Pack APPMinVersion=\"1\" Version=\"1\" Name=\"") + name
        + "\" Thumbnail=\"thumb.png\">" + (bands.isEmpty() ? QByteArray() : "<EQ>" + bands + "</EQ>")
        + "<Rate Value=\"" + QByteArray::number(rate) + "\"/></Pack>";
}

} // namespace TestAudioPacks
