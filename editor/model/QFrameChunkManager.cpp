#include "QFrameChunkManager.h"

#include "VECommonClass.h"

QFrameChunkManager::QFrameChunkManager(QObject* parent) : QResourcePackManager(VECommonClass::getVideoFramesPath(), parent) {}
