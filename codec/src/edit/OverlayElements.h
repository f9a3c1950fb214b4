#pragma once
// The overlay elements of the three layers (image and text of each), in the
// order they are drawn: layer 1, layer 2, layer 0; within a layer the text
// above or below the image by its topmost flag. Each element is a prepared
// RGBA picture (or, for a clip, one per clip frame) and its blend text.

#include "core/FfPtr.h"
#include "edit/OverlayLayout.h"
#include "edit/PictureEdit.h"

#include <memory>
#include <string>
#include <vector>

namespace zv {

struct OverlayInput {
    int width = 0, height = 0, format = 0;
};

class OverlayElements {
public:
    OverlayElements();
    ~OverlayElements();

    // Opens every image and mask and renders every text for an output of
    // width x height. 0, or an AVERROR with `error` naming the file.
    int open(const PictureEdit &edit, int width, int height, std::string *error);

    size_t count() const;
    const OverlayLayout &layout() const { return m_layout; }
    // Which elements show at `timeUs` (all of them without show times).
    std::vector<bool> shownAt(int64_t timeUs) const;
    bool animated(size_t i) const;
    OverlayInput input(size_t i) const;
    // The prepared picture of element i at `timeUs`.
    FramePtr frameAt(size_t i, int64_t timeUs, std::string *error);
    // Filter text drawing element [ov] onto [from], giving [to].
    std::string blendText(size_t i, const std::string &from, const std::string &ov, const std::string &to) const;

private:
    struct Element;
    int openImage(const OverlayImage &s, const OverlayTiming &timing, bool timed, int width, int height,
                  std::unique_ptr<Element> *out, std::string *error);

    std::vector<std::unique_ptr<Element>> m_elements;
    OverlayLayout m_layout;
};

} // namespace zv
