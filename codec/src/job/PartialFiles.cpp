#include "job/PartialFiles.h"

#include <cstdio>
#include <random>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zv::job {

namespace {

const char kMark[] = ".zvpart-";
constexpr size_t kMarkLength = sizeof(kMark) - 1;
constexpr size_t kDigits = 8;

bool isHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
}

std::string folderOf(const std::string &path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// Only a regular file of this user, never a link or anything a user made.
bool isOwnRegularFile(const std::string &path, off_t *size)
{
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::getuid())
        return false;
    if (size)
        *size = st.st_size;
    return true;
}

} // namespace

std::string partialPathFor(const std::string &finalPath)
{
    static thread_local std::mt19937 random{std::random_device{}()};
    const std::string folder = folderOf(finalPath);
    const std::string name = finalPath.substr(folder.size());
    char digits[kDigits + 1];
    std::snprintf(digits, sizeof digits, "%08x", unsigned(random()));
    return folder + "." + name + kMark + digits;
}

bool isPartialName(const std::string &fileName, std::string *finalName)
{
    const size_t tail = kMarkLength + kDigits;
    if (fileName.size() < 2 + tail || fileName[0] != '.')
        return false;
    const size_t mark = fileName.size() - tail;
    if (fileName.compare(mark, kMarkLength, kMark) != 0)
        return false;
    for (size_t i = mark + kMarkLength; i < fileName.size(); ++i) {
        if (!isHexDigit(fileName[i]))
            return false;
    }
    if (finalName)
        *finalName = fileName.substr(1, mark - 1);
    return true;
}

int removePartials(const std::string &folder)
{
    DIR *dir = ::opendir(folder.c_str());
    if (!dir)
        return 0;
    const std::string prefix = folder.empty() || folder.back() == '/' ? folder : folder + "/";
    int removed = 0;
    while (const dirent *entry = ::readdir(dir)) {
        std::string finalName;
        if (!isPartialName(entry->d_name, &finalName) || !isOwnRegularFile(prefix + entry->d_name, nullptr))
            continue;
        if (::unlink((prefix + entry->d_name).c_str()) != 0)
            continue;
        ++removed;
        // The output naming claims the final name with an empty file before
        // the job starts; left empty, it is that claim and no user's file.
        off_t size = -1;
        if (isOwnRegularFile(prefix + finalName, &size) && size == 0)
            ::unlink((prefix + finalName).c_str());
    }
    ::closedir(dir);
    return removed;
}

bool syncFile(const std::string &path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

void syncFolder(const std::string &path)
{
    const std::string folder = folderOf(path);
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace zv::job
