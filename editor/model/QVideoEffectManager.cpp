#include "QVideoEffectManager.h"

#include "VECommonClass.h"

QVideoEffectManager::QVideoEffectManager(QObject* parent) : QResourcePackManager(VECommonClass::getVideoEffectsPath(), parent) {}
