#pragma once

// The main window's two update requests, handed to the program's updater.
class QVelProjectPlatform
{
public:
    static void checkForUpdate();
    static void setAutoCheckUpdate(bool on);
};
