#pragma once
// The codec library's process-wide set-up, made once by the main window
// before any file is opened.

#include <QString>

class CodecLibrary
{
public:
    CodecLibrary() = delete;

    // Decoders may use threads, the library keeps its log file, both under
    // dataFolder, and players hand frames over in the two formats the player
    // panel draws.
    static void setUp(const QString &dataFolder);
};
