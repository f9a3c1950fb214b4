#include "QVelProjectPlatform.h"

#include "VelUpdater.h"

void QVelProjectPlatform::checkForUpdate()
{
    VelUpdater::sharedUpdater()->checkForUpdates();
}

void QVelProjectPlatform::setAutoCheckUpdate(bool on)
{
    VelUpdater::sharedUpdater()->setAutomaticallyChecksForUpdates(on);
}
