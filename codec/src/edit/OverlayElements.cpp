#include "edit/OverlayElements.h"

namespace zv {

struct OverlayElements::Element {
};

OverlayElements::OverlayElements() = default;
OverlayElements::~OverlayElements() = default;

int OverlayElements::open(const PictureEdit &, int, int, std::string *)
{
    m_elements.clear();
    m_layout = OverlayLayout();
    return 0;
}

size_t OverlayElements::count() const { return m_elements.size(); }

std::vector<bool> OverlayElements::shownAt(int64_t) const { return std::vector<bool>(m_elements.size(), true); }

bool OverlayElements::animated(size_t) const { return false; }

OverlayInput OverlayElements::input(size_t) const { return OverlayInput(); }

FramePtr OverlayElements::frameAt(size_t, int64_t, std::string *) { return nullptr; }

std::string OverlayElements::blendText(size_t, const std::string &from, const std::string &, const std::string &to) const
{
    return "[" + from + "]null[" + to + "]";
}

} // namespace zv
