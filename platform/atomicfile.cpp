#include "platform/atomicfile.h"

#include "platform/error.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace bw {

namespace {
std::optional<std::size_t> g_failAfter;
Path g_failRead;

bool writeAll(int fd, const std::string& bytes)
{
    std::size_t limit = bytes.size();
    bool injected = false;
    if (g_failAfter && *g_failAfter < limit) {
        limit = *g_failAfter;
        injected = true;
    }
    std::size_t done = 0;
    while (done < limit) {
        ssize_t n = ::write(fd, bytes.data() + done, limit - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return !injected;
}
} // namespace

void failWritesAfterBytes(std::optional<std::size_t> bytes)
{
    g_failAfter = bytes;
}
void failReadsOf(const Path& path)
{
    g_failRead = path;
}

bool fileExists(const Path& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

bool isRegularFile(const Path& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

void makeFolder(const Path& path)
{
    if (::mkdir(path.c_str(), 0777) != 0 && errno != EEXIST)
        throwCannotCreate(path);
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
        throwCannotCreate(path);
}

std::string readWholeFile(const Path& path)
{
    int fd = path == g_failRead ? -1 : ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throwCannotOpen(path);
    std::string bytes;
    char buf[65536];
    for (;;) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ::close(fd);
            throwCannotOpen(path);
        }
        if (n == 0)
            break;
        bytes.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return bytes;
}

void writeFileAtomically(const Path& path, const std::string& bytes)
{
    std::string target = path.native();
    // A linked file is replaced where it really lives.
    if (char* real = ::realpath(target.c_str(), nullptr)) {
        target = real;
        std::free(real);
    }
    const std::string temp = target + ".new~";
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        throwCannotCreate(path);
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0)
        ::fchmod(fd, old.st_mode & 07777);
    bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (!ok || ::rename(temp.c_str(), target.c_str()) != 0) {
        ::unlink(temp.c_str());
        throwCannotCreate(path);
    }
    // Make the rename itself durable.
    const auto slash = target.find_last_of('/');
    const std::string dir = slash == std::string::npos ? "." : target.substr(0, slash == 0 ? 1 : slash);
    int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
}

} // namespace bw
