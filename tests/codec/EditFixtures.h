#pragma once

#include "zovAruzIvivu.h"

#include <QString>
#include <QStringList>

#include <memory>

// Encode jobs through the C surface and the ffmpeg tool's measures of what
// they wrote, shared by the edit chain's tests.
namespace EditFixtures {

struct ConfigDeleter {
    void operator()(ZvConfig *c) const { ZV_Release_Config(c); }
};
using Config = std::unique_ptr<ZvConfig, ConfigDeleter>;

constexpr uint32_t kH264 = 28, kAac = 0x15002, kNone = 0xFFFFFFFF;
constexpr uint64_t kSecond = 1000000;

// H.264 at the given size and AAC stereo at 44.1 kHz, high quality.
Config encodeConfig(uint32_t width, uint32_t height);

// Opens, begins and waits for a job. Empty on success, else why it failed
// (the job's own error text when it has one).
QString runJob(const QString &source, const QString &target, ZvConfig *cfg, uint64_t startUs = 0,
               uint64_t durationUs = 0);
// Whether ZV_Open_Job accepts the configuration; *text gets the job's error text.
bool opens(const QString &source, ZvConfig *cfg, QString *text);

// A 4 s, 160x120, 25 fps clip whose sound is a sine of `hz` (PCM, Matroska).
QString toneClip(int hz);
// A mono sine of `hz` as a WAV file, `seconds` long.
QString toneWav(int hz, int seconds);

// Mean volume (dB) of the first sound stream, after `filter` (may be empty),
// over [from, from + length) seconds (length 0: to the end).
double meanVolume(const QString &file, const QString &filter, double from = 0, double length = 0);
// ffprobe's duration of the first stream of a kind ("video", "audio"); -1 when absent.
double streamDuration(const QString &file, const QString &kind);

} // namespace EditFixtures
