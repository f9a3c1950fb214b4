#pragma once
// Which media each player has open, so that ZV_OpenWithPlayer_Info can open
// the same path or source again. The player records its media after a
// successful open and forgets it on close/destroy.

#include "core/InputMedia.h"

namespace zv {

void setPlayerMedia(const void *player, const MediaLocation &where);
void clearPlayerMedia(const void *player);
// False when the player has nothing open (or is unknown).
bool playerMedia(const void *player, MediaLocation &where);

} // namespace zv
