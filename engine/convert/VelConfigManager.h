#pragma once

#include "VEEditConfig.h"

#include <QObject>

struct ZvConfig;

// Turns a segment's edit record into settings of a codec configuration handle,
// and writes the audio tags into a finished output file.
class VelConfigManager : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(VelConfigManager)

public:
    explicit VelConfigManager(QObject *parent = nullptr);
    ~VelConfigManager() override;

    static void setEditConfig(ZvConfig *config, VEEditConfig edit);
    static void setConfigCropSettings(ZvConfig *config, VECropSettings crop, int outputWidth, int outputHeight);
    static void setConfigWatermarkSettings(ZvConfig *config, VEWatermarkSettings layer, int index);
    static void setConfigSubtitleSettings(ZvConfig *config, VESubtitleSettings settings);
    static void setConfigAudioBackgroundSettings(ZvConfig *config, VEAudioBackgroundSettings background, int index);
    static void setAudioSettings(ZvConfig *config, VEAudioSettings settings);
    static void setConfigEqualizeSettings(ZvConfig *config, VEEqualizeSettings settings);
    static void setEditConfigContainAudioTag(ZvConfig *config, VEEditConfig edit);
    // Metadata entries of the handle (the job writes them into the output).
    static void setAudioTagInfoSettings(ZvConfig *config, VEAudioTagInfo tags);
    // Writes the tags into the finished file at path. A file the tag writer
    // cannot handle, or a failed save, is logged and leaves the file as it was;
    // it never turns a good output into a failure. Always true.
    static bool setAudioTagInfoSettings(const char *path, VEAudioTagInfo tags);
    // Hands the tags to the job, which writes them into its output before the
    // output takes its final name; a failed write fails the job. A format the
    // tag writer cannot handle is logged and keeps its output untagged.
    static void setTagWriterSettings(ZvConfig *config, VEAudioTagInfo tags);

    // The font as the codec wants it: a leading "@" dropped.
    static QByteArray fontName(const QByteArray &font);
    // Audio track mask and subtitle track mask of a lossless job.
    static uint64_t audioTrackMask(const VEEditConfig &edit);
    static uint64_t subtitleTrackMask(const VEEditConfig &edit);
};
