#pragma once

#include <QString>

// Output naming of the current source, and a few process-wide texts.
// GUI thread only; every member is process-wide.
//
// Naming: outputs of a source go into <root><source base>/ (or "<base>(n)/"
// when that name is taken at the time the source is set), each file named
// "<base>_<n>.<ext>" with n counting from 1.
//
// Contract of getConvertPath() for the conversion queue and the converter:
//  - it returns an empty text when no output can be named (no source name, no
//    root, no output profile, or the folder or file cannot be created; the
//    reason is logged); treat that as a failed item;
//  - otherwise the returned file has just been created, empty, by this call
//    (exclusive creation), so no existing file is ever handed out and two
//    calls never return the same path. The job opens that placeholder for
//    writing (truncating it); on failure or stop the queue deletes
//    m_sOutputName;
//  - so ask only for a path that a job will write: in merge mode once, for the
//    merged file, not again for every item added to it. A path that ends up
//    unused must be removed by the caller, or an empty file stays behind.
class QConverterOperate
{
public:
    // Sets the output root. The root is kept ending in exactly one "/" (an empty
    // root stays empty). Call updateAdjustFileName() after it while a source is
    // open.
    static void setConverterPath(QString root);
    static QString getConverterPath();

    // Records the source's file name (with extension) and extension, and picks
    // its output folder under the root (not created here). An empty name, or an
    // empty root, leaves no output folder.
    static void setAdjustFileName(QString name, QString ext);
    static void updateAdjustFileName();
    static QString getOutputDir();
    static QString getAdjustFileName();

    // See the contract above.
    static QString getConvertPath();

    static void setLogFilePath(QString path);
    static QString getLogFilePath();
    static void setAudioDeviceName(QString name);
    static QString getAudioDeviceName();

    // Language type by name: "English" 0, "Chinese" 1, "German" 2, "French" 3,
    // "Japanese" 4 (case-sensitive); anything else 0.
    static void setLanguageType(QString typeName);
    static int getLanguageType();

    static QString m_converterPath;
    static QString m_logFilePath;
    static QString m_audioDeviceName;
    static QString m_fileExt;
    static QString m_videoName;
    static QString m_adjustFileName;
    static QString m_outputDir;
    static QString m_sOutputName;
    static int g_langugeType;

    QConverterOperate() = default;

private:
    static QString baseNameOf(const QString& fileName);
    // `base` cut at a character boundary so that base + `tail` takes at most
    // `limit` bytes in the file system's encoding.
    static QString fitName(const QString& base, const QString& tail, int limit);
};
