#pragma once

#include <string>

namespace zv::job {

// An output is written under a hidden name beside its final one and renamed
// only when complete, so a killed process never leaves a file that looks
// finished. The hidden name is ".<final name>.zvpart-<8 hex digits>".

// A fresh partial name in the folder of `finalPath`.
std::string partialPathFor(const std::string &finalPath);
// Whether `fileName` (no folder) has the exact partial form; `finalName`
// receives the name it stands for.
bool isPartialName(const std::string &fileName, std::string *finalName);
// Removes the partial files of killed runs in `folder` (not its subfolders),
// together with the empty file that claimed each one's final name. Returns
// how many partial files went.
int removePartials(const std::string &folder);
// Flushes a written file to the disk; false with errno set on failure.
bool syncFile(const std::string &path);
// Flushes a folder's entries (a rename) to the disk.
void syncFolder(const std::string &path);

} // namespace zv::job
