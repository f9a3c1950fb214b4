#pragma once
// libass's library and one renderer with the fonts set up, made and freed in
// one place. Setting up the fonts scans the system's fonts, so a holder is
// kept for as long as its pictures keep coming.

extern "C" {
#include <ass/ass.h>
}

#include <memory>
#include <string>

namespace zv {

struct AssTrackFree {
    void operator()(ASS_Track *t) const { ass_free_track(t); }
};
using AssTrackPtr = std::unique_ptr<ASS_Track, AssTrackFree>;

class AssLibrary {
public:
    // Makes the library (once) and a new renderer with the default fonts.
    // libass's errors go to our log after `logName`, a literal libass keeps.
    // Fails with a readable reason.
    int open(const char *logName, std::string *error);
    bool isOpen() const { return m_renderer != nullptr; }

    ASS_Library *library() const { return m_library.get(); }
    ASS_Renderer *renderer() const { return m_renderer.get(); }
    // Draws for pictures of width × height, at their own pixel size.
    void setFrameSize(int width, int height);

    AssTrackPtr newTrack() const;
    // A track read from a whole script; null when libass refuses it.
    AssTrackPtr readTrack(std::string &script) const;

private:
    struct LibraryFree {
        void operator()(ASS_Library *l) const { ass_library_done(l); }
    };
    struct RendererFree {
        void operator()(ASS_Renderer *r) const { ass_renderer_done(r); }
    };

    std::unique_ptr<ASS_Library, LibraryFree> m_library;
    std::unique_ptr<ASS_Renderer, RendererFree> m_renderer;
};

} // namespace zv
