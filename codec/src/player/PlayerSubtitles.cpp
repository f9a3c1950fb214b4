// The video thread's subtitles: follow the settings, burn into the edited picture.
#include "player/Player.h"

#include "core/Log.h"
#include "edit/SubtitleBlend.h"

namespace zv {

namespace {
// How long a picture waits for the subtitle reader to reach its time; the
// reader runs far ahead of playback, so only a far seek ever waits.
constexpr int kSubtitleWaitMs = 2000;
} // namespace

bool Player::syncSubtitles()
{
    const uint64_t version = m_settingsVersion;
    if (version == m_subtitleVersion)
        return m_subtitles.active();
    m_subtitleVersion = version;
    EditConfig edit;
    {
        std::lock_guard<std::mutex> lock(m_settingsMutex);
        edit.program = m_settings.edit.program;
        edit.subtitleIndex = m_settings.edit.subtitleIndex;
        edit.subtitleFile = m_settings.edit.subtitleFile;
        edit.closedCaption = m_settings.edit.closedCaption;
        edit.subtitleStyle = m_settings.edit.subtitleStyle;
    }
    if (!m_subtitles.choiceDiffers(edit)) {
        m_subtitles.setStyle(edit.subtitleStyle);
        return m_subtitles.active();
    }
    std::string error;
    if (m_subtitles.open(edit, m_media->location(), &error) < 0)
        zvLog("player: %s", error.c_str());
    return m_subtitles.active();
}

// The edited picture in a form subtitles can be drawn on (8-bit 4:2:0,
// not shared with the decoder), with the subtitles of its time.
FramePtr Player::burnSubtitles(FramePtr picture, int64_t ptsUs)
{
    if (!canBlendOnto(picture->format)) {
        picture = m_subtitleConverter.convert(picture.get(), AV_PIX_FMT_YUV420P);
        if (!picture)
            return nullptr;
    }
    const int err = av_frame_make_writable(picture.get());
    if (err < 0) {
        zvLog("player: cannot draw the subtitles: %s", avErrorText(err).c_str());
        return picture;
    }
    m_subtitles.burn(picture.get(), ptsUs, kSubtitleWaitMs, &m_quit);
    return picture;
}

} // namespace zv
