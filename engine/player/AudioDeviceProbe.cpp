#include "AudioDeviceProbe.h"

#include <SDL2/SDL.h>

#include <QByteArray>

bool AudioDeviceProbe::anyOutputDevice()
{
    if (qgetenv("ZV_AUDIO") == "null")
        return false;
    // Termination requests are the application's own (QTerminationNotifier).
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    const int count = SDL_GetNumAudioDevices(0);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return count > 0;
}
