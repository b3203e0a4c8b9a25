#include "platform/atomicfile.h"

#include "platform/error.h"

#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace bw {

namespace {
std::optional<std::size_t> g_failAfter;
Path g_failRead;
std::function<void()> g_betweenRenames;

constexpr const char* kTempSuffix = ".new~";

FileState stateOf(const struct stat& st)
{
    FileState s;
    s.exists = true;
    s.device = static_cast<std::uint64_t>(st.st_dev);
    s.inode = static_cast<std::uint64_t>(st.st_ino);
    s.size = static_cast<std::uint64_t>(st.st_size);
    s.mtimeNs = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    return s;
}

// Sets errno when it fails, as a real write would.
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
    if (injected)
        errno = ENOSPC;
    return !injected;
}

std::string folderOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? "." : path.substr(0, slash == 0 ? 1 : slash);
}

std::string baseOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Where a write of this path lands: the path itself, or the target of the
// link standing there. 0, or the errno that forbids it.
int resolveTarget(const std::string& fsPath, std::string& target)
{
    target = fsPath;
    struct stat ls {};
    if (::lstat(fsPath.c_str(), &ls) != 0)
        return errno == ENOENT ? 0 : errno;
    if (S_ISLNK(ls.st_mode)) {
        // A dangling link is not silently turned into a regular file.
        char* real = ::realpath(fsPath.c_str(), nullptr);
        if (!real)
            return errno;
        target = real;
        std::free(real);
    }
    return 0;
}

// A file the user made read-only keeps its content: the mode bits decide
// (they bind root too, which the kernel would let through).
int refusesReplacement(const std::string& target, const struct stat& st)
{
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return EACCES;
    if (::access(target.c_str(), W_OK) != 0 && errno != ENOENT)
        return errno;
    return 0;
}

mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0644 & ~mask;
}

void syncFolder(const std::string& dir)
{
    int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
}

struct Pending {
    std::string temp;
};

void removeTemps(std::vector<Pending>& pending, std::size_t from)
{
    for (std::size_t i = from; i < pending.size(); ++i)
        if (!pending[i].temp.empty())
            ::unlink(pending[i].temp.c_str());
}

// Writes one new file beside its target; 0 or the errno of the failure.
int writeTemp(FileWrite& f, Pending& p)
{
    std::string target;
    if (int err = resolveTarget(f.path.native(), target))
        return err;
    f.target = Path::fromNative(target);
    struct stat old {};
    const bool hadOld = ::stat(target.c_str(), &old) == 0;
    // Found before any file is put in place, so a pair is never half-written
    // for it.
    if (hadOld && S_ISDIR(old.st_mode))
        return EISDIR;
    if (hadOld)
        if (int err = refusesReplacement(target, old))
            return err;
    std::string tmpl = folderOf(target) + "/." + baseOf(target) + ".XXXXXX" + kTempSuffix;
    int fd = ::mkostemps(tmpl.data(), 5, O_CLOEXEC);
    if (fd < 0)
        return errno;
    p.temp = tmpl;
    ::fchmod(fd, hadOld ? (old.st_mode & 07777) : newFileMode());
    int err = 0;
    if (!writeAll(fd, *f.bytes) || ::fsync(fd) != 0)
        err = errno;
    struct stat st {};
    if (!err && ::fstat(fd, &st) == 0)
        f.written = stateOf(st);
    if (::close(fd) != 0 && !err)
        err = errno;
    return err;
}

bool isTempOf(const std::string& entry, const std::string& base)
{
    // ".<base>.XXXXXX.new~", or "<base>.new~" left by earlier versions.
    if (entry == base + kTempSuffix)
        return true;
    const std::string head = "." + base + ".";
    const std::size_t want = head.size() + 6 + 5;
    if (entry.size() != want || entry.compare(0, head.size(), head) != 0 ||
        entry.compare(want - 5, 5, kTempSuffix) != 0)
        return false;
    for (std::size_t i = head.size(); i < head.size() + 6; ++i) {
        const char c = entry[i];
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')))
            return false;
    }
    return true;
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
void betweenRenames(std::function<void()> hook)
{
    g_betweenRenames = std::move(hook);
}

FileState fileStateOf(const Path& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return {};
    return stateOf(st);
}

bool fileExists(const Path& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

bool somethingAt(const Path& path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

bool isRegularFile(const Path& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

void makeFolder(const Path& path)
{
    if (::mkdir(path.c_str(), 0777) != 0 && errno != EEXIST)
        throwCannotCreate(path, errno);
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
        throwCannotCreate(path, ENOTDIR);
}

std::string readWholeFile(const Path& path, FileState* state)
{
    if (!g_failRead.empty() && path == g_failRead)
        throwCannotOpen(path, EIO);
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throwCannotOpen(path, errno);
    std::string bytes;
    char buf[65536];
    for (;;) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int err = errno;
            ::close(fd);
            throwCannotOpen(path, err);
        }
        if (n == 0)
            break;
        bytes.append(buf, static_cast<std::size_t>(n));
    }
    struct stat st {};
    if (state)
        *state = ::fstat(fd, &st) == 0 ? stateOf(st) : FileState{};
    ::close(fd);
    return bytes;
}

void writeFilesAtomically(std::vector<FileWrite>& files, const BeforeReplace& beforeReplace)
{
    std::vector<Pending> pending(files.size());
    for (auto& f : files)
        f.replaced = false;
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (int err = writeTemp(files[i], pending[i])) {
            removeTemps(pending, 0);
            throwCannotCreate(files[i].path, err);
        }
    }
    if (beforeReplace) {
        try {
            beforeReplace(files);
        } catch (...) {
            removeTemps(pending, 0);
            throw;
        }
    }
    std::set<std::string> folders;
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (i > 0 && g_betweenRenames)
            g_betweenRenames();
        if (::rename(pending[i].temp.c_str(), files[i].target.c_str()) != 0) {
            const int err = errno;
            removeTemps(pending, i);
            for (const auto& dir : folders)
                syncFolder(dir);
            throwCannotCreate(files[i].path, err);
        }
        files[i].replaced = true;
        folders.insert(folderOf(files[i].target.native()));
    }
    // Make the renames themselves durable.
    for (const auto& dir : folders)
        syncFolder(dir);
}

FileState writeFileAtomically(const Path& path, const std::string& bytes)
{
    std::vector<FileWrite> one(1);
    one[0].path = path;
    one[0].bytes = &bytes;
    writeFilesAtomically(one);
    return one[0].written;
}

int resolveWriteTarget(const Path& path, Path& target)
{
    std::string resolved;
    const int err = resolveTarget(path.native(), resolved);
    target = Path::fromNative(std::move(resolved));
    return err;
}

void removeLeftoverTempFiles(const std::vector<Path>& paths)
{
    for (const auto& path : paths) {
        std::string target;
        if (resolveTarget(path.native(), target) != 0)
            continue;
        const std::string dir = folderOf(target), base = baseOf(target);
        DIR* d = ::opendir(dir.c_str());
        if (!d)
            continue;
        while (const dirent* e = ::readdir(d)) {
            const std::string name = e->d_name;
            struct stat st {};
            // Only our own regular files; a folder of that name is the user's.
            if (isTempOf(name, base) && ::lstat((dir + "/" + name).c_str(), &st) == 0 && S_ISREG(st.st_mode))
                ::unlink((dir + "/" + name).c_str());
        }
        ::closedir(d);
    }
}

} // namespace bw
