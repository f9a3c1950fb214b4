#include "QAudioEffectManager.h"

#include "VECommonClass.h"

QAudioEffectManager::QAudioEffectManager(QObject* parent) : QResourcePackManager(VECommonClass::getAudioEffectsPath(), parent) {}
