#pragma once

#include "ConvertState.h"

#include <QString>

#include <cstdint>

struct CAVEncodeParam;

// Progress of a conversion or merge task: (percent, the caller's value, state).
// Called on the converter's worker thread.
typedef void (*ConvertProgressCallback)(unsigned int progress, void *user, convertState state);
// The time callback of the track-mux mode: (seconds, the caller's value).
typedef void (*ConvertTimeCallback)(unsigned int value, void *user);

// A stream of the track-mux mode.
struct CTrackDesc
{
    uint32_t format = 0;
    uint32_t width = 0;
    uint32_t height = 0;
    uint32_t frameRate = 0;
    uint32_t frameRateScale = 0;
    uint32_t sampleAspectX = 1;
    uint32_t sampleAspectY = 1;
    uint32_t sampleRate = 0;
    uint32_t channels = 0;
    const void *privateData = nullptr;
    uint32_t privateDataLength = 0;
};

// One packet of the track-mux mode.
struct CTrackPacket
{
    const void *data = nullptr;
    uint32_t size = 0;
    uint64_t pts = 0;
    uint64_t dts = 0;
    uint32_t flags = 0;
};

// One conversion (a source range into a file) or one merge (ranges appended
// into one file), run on a worker thread of its own.
class IAVConverter
{
public:
    virtual bool StartConvert(const char *source, const char *target, const CAVEncodeParam *param, void *user,
                              ConvertProgressCallback callback, bool deferred) = 0;
    virtual void StopConvert() = 0;
    virtual bool StartMerger(const char *target, const CAVEncodeParam *param) = 0;
    virtual bool AddMergerTask(const char *source, const CAVEncodeParam *param, void *user,
                               ConvertProgressCallback callback) = 0;
    virtual void StopMerger(bool wait) = 0;
    virtual bool StartWithTrack(const char *target, const CAVEncodeParam *param, void *user,
                                ConvertProgressCallback progress, ConvertTimeCallback time) = 0;
    virtual void AddTrack(uint32_t type, unsigned int id, const CTrackDesc *desc) = 0;
    virtual void AddTrack(uint32_t type, unsigned int id, unsigned int format, const CTrackDesc *desc) = 0;
    virtual void AddPacketToTrack(unsigned int id, const CTrackPacket *packet) = 0;
    virtual void StopWithTrack() = 0;
    // Why the last start, task or run failed, in the codec library's words;
    // empty when nothing failed. Read on the queue's thread after a report.
    virtual QString lastErrorText() const = 0;
    virtual ~IAVConverter() = default;
};

IAVConverter *CreateAVConverter();
// Releases the converter's codec handles, then deletes it (null is ignored).
void DestroyAVConverter(IAVConverter *converter);
