#include "edit/PictureEdit.h"

#include <algorithm>

namespace zv {

PictureEdit PictureEdit::fromConfig(const EditConfig &cfg, uint32_t layerCount)
{
    PictureEdit e;
    // The configuration keeps values as given; the chain takes them in range.
    e.brightness = std::clamp(cfg.brightness, -254, 254);
    e.hue = std::clamp(cfg.hue, -180, 180);
    e.saturation = std::min(cfg.saturation, 200u);
    e.contrast = std::min(cfg.contrast, 300u);
    e.aspectX = cfg.aspectX;
    e.aspectY = cfg.aspectY;
    e.rotate = cfg.rotate / 90 % 4 * 90;
    e.mirror = cfg.mirror ? 1 : 0;
    e.pad = cfg.pad ? 1 : 0;
    e.padColor = cfg.padColor;
    e.cropX = cfg.cropX;
    e.cropY = cfg.cropY;
    e.cropW = cfg.cropW;
    e.cropH = cfg.cropH;
    for (const auto &[index, layer] : cfg.overlays)
        if (index < uint32_t(kOverlayLayers) && index < layerCount)
            e.layers[index] = layer;
    return e;
}

bool PictureEdit::colourNeutral() const
{
    return brightness == 0 && hue == 0 && saturation == 100 && contrast == 100;
}

bool PictureEdit::geometryNeutral() const
{
    const bool fullCrop = !(cropX > 0) && !(cropY > 0) && !(cropW < 1) && !(cropH < 1);
    return fullCrop && rotate == 0 && mirror == 0 && (aspectX == 0 || aspectY == 0);
}

bool PictureEdit::hasOverlays() const
{
    for (const OverlayLayer &l : layers)
        if (!l.image.file.empty() || !l.text.text.empty())
            return true;
    return false;
}

} // namespace zv
