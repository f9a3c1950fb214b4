#pragma once

#include <QString>
#include <QStringList>

// Small media files made by the ffmpeg tool at test time, and the independent
// tools (ffprobe, ffmpeg) that judge what the program wrote.
namespace TestMedia {

// Folder shared by all tests of one build; fixtures are made once and reused.
QString mediaDir();

// Makes <mediaDir>/<fileName> with `ffmpeg -y <args> <file>` unless it exists.
// Returns the path, or an empty string (with a QWARN of ffmpeg's output) on failure.
QString make(const QString &fileName, const QStringList &ffmpegArgs);

struct ToolResult {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};
// Runs a program to completion (timeout in ms) and returns its exit code and output.
ToolResult run(const QString &program, const QStringList &args, int timeoutMs = 120000);

// `ffprobe -v error -of json <args> <file>` parsed; empty object on failure.
QByteArray ffprobeJson(const QString &file, const QStringList &args);

// Ready-made fixtures most tests need. Each is a few seconds long.
QString h264AacMp4();   // 320x240 25 fps H.264 (2 s GOP) + AAC stereo 44.1 kHz, 6 s
QString sineWav();      // 3 s 1 kHz tone, 44.1 kHz s16 stereo
QString tinyPng();      // 64x48 still picture

} // namespace TestMedia
