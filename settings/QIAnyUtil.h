#pragma once

#include <QString>

// Where the bundle, the user's data and the user's documents live. Every path
// uses "/" as separator. The two bundle paths are computed on first use (during
// start-up, on the GUI thread) and then only read; the data and documents
// folders are computed anew on each call, so a folder deleted while the program
// runs comes back at the next call.
class QIAnyUtil
{
public:
    // The bundle root: the executable's folder cut after its last "/", then "/"
    // once more, so the text ends in "//" (callers append "Info.plist").
    static QString getApplicationDirPath();
    // The bundle root + "Resources", no trailing "/" (callers append "/...").
    // The one place that finds the resources folder; every other accessor of
    // it derives its answer from this one.
    static QString getResourcePath();
    // The same folder with a doubled "/" before "Resources", the form that the
    // older utility classes have always returned (their callers normalise the
    // paths they build on it).
    static QString getResourcePathDoubledSeparator();
    // The per-user data folder: the generic writable data location +
    // "/Zededera Raziz Azodor", created when missing; on failure the data
    // location itself. No trailing "/".
    static QString getAppDataPath();
    // ~/Documents + "/Zededera Raziz Azodor", created when missing; on failure
    // the Documents folder itself. No trailing "/".
    static QString getDocumentPath();
    // A byte count as "%d B", "%.2f KB", "%.2f MB" or "%.2f GB" (units of 1024).
    static QString size2String(quint64 size);

private:
    static QString bundleRootOf(const QString& executableDir);
    static QString productFolderIn(const QString& parent);

    static QString s_appPath;
    static QString s_resourcePath;
    static bool s_appPathKnown;
    static bool s_resourcePathKnown;
};
