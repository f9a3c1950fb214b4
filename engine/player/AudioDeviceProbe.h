#pragma once
// Whether the machine has an audio output device the player could have used.
// The player falls back to a silent output when no device opens; that is only
// worth a message when there is a device that refused.

class AudioDeviceProbe
{
public:
    AudioDeviceProbe() = delete;

    // False when ZV_AUDIO=null chose the silent output on purpose.
    static bool anyOutputDevice();
};
