#include "store/backups.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/error.h"

namespace bw {

namespace {

struct Parsed {
    bool daily = false;
    std::string date;  // YYYY-MM-DD
    std::string stamp; // YYYY-MM-DD_HH-MM-SS (writes only)
    int seq = 1;
};

bool digitsAt(const std::string& s, std::size_t at, std::size_t n)
{
    if (at + n > s.size())
        return false;
    for (std::size_t i = at; i < at + n; ++i)
        if (s[i] < '0' || s[i] > '9')
            return false;
    return true;
}

bool isDate(const std::string& s, std::size_t at)
{
    return digitsAt(s, at, 4) && s[at + 4] == '-' && digitsAt(s, at + 5, 2) && s[at + 7] == '-' &&
           digitsAt(s, at + 8, 2);
}

// Only names the program makes are ever removed.
bool parse(const std::string& entry, const std::string& name, Parsed& out)
{
    const std::string head = name + ".";
    if (entry.compare(0, head.size(), head) != 0)
        return false;
    const std::string rest = entry.substr(head.size());
    if (rest.size() < 10 || !isDate(rest, 0))
        return false;
    out.date = rest.substr(0, 10);
    if (rest.size() == 10) {
        out.daily = true;
        return true;
    }
    if (rest.size() < 19 || rest[10] != '_' || !digitsAt(rest, 11, 2) || rest[13] != '-' ||
        !digitsAt(rest, 14, 2) || rest[16] != '-' || !digitsAt(rest, 17, 2))
        return false;
    out.stamp = rest.substr(0, 19);
    if (rest.size() == 19)
        return true;
    if (rest[19] != '_' || !digitsAt(rest, 20, rest.size() - 20) || rest.size() > 26)
        return false;
    std::from_chars(rest.data() + 20, rest.data() + rest.size(), out.seq);
    return out.seq >= 2;
}

std::vector<std::string> entriesOf(const Path& folder)
{
    std::vector<std::string> out;
    if (DIR* d = ::opendir(folder.c_str())) {
        while (const dirent* e = ::readdir(d))
            out.emplace_back(e->d_name);
        ::closedir(d);
    }
    return out;
}

std::string localStamp(std::chrono::system_clock::time_point now)
{
    const std::time_t t = std::chrono::system_clock::to_time_t(now);
    std::tm tm{};
    ::localtime_r(&t, &tm);
    char buf[32];
    std::strftime(buf, sizeof buf, "%Y-%m-%d_%H-%M-%S", &tm);
    return buf;
}

bool exists(const Path& path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

// 0 or the errno of the failure; dst is never left half-written.
int copyFile(const Path& src, const Path& dst)
{
    int in = ::open(src.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return errno;
    struct stat st {};
    ::fstat(in, &st);
    int out = ::open(dst.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, st.st_mode & 0777);
    if (out < 0) {
        const int err = errno;
        ::close(in);
        return err;
    }
    int err = 0;
    char buf[1 << 16];
    for (;;) {
        ssize_t n = ::read(in, buf, sizeof buf);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            err = errno;
            break;
        }
        if (n == 0)
            break;
        for (ssize_t done = 0; done < n;) {
            ssize_t w = ::write(out, buf + done, static_cast<std::size_t>(n - done));
            if (w < 0 && errno == EINTR)
                continue;
            if (w < 0) {
                err = errno;
                break;
            }
            done += w;
        }
        if (err)
            break;
    }
    if (!err && ::fsync(out) != 0)
        err = errno;
    if (::close(out) != 0 && !err)
        err = errno;
    ::close(in);
    if (err)
        ::unlink(dst.c_str());
    return err;
}

int linkOrCopy(const Path& src, const Path& dst)
{
    if (::link(src.c_str(), dst.c_str()) == 0)
        return 0;
    if (errno == EEXIST)
        return EEXIST;
    return copyFile(src, dst);
}

} // namespace

BackupResult makeBackups(const Path& folder, const std::vector<BackupSource>& files,
                         std::chrono::system_clock::time_point now)
{
    BackupResult result;
    const std::string stamp = localStamp(now);
    const std::string date = stamp.substr(0, 10);
    const auto fail = [&](const std::string& name, int err) {
        if (result.failure.empty()) {
            result.failure = systemReason(err);
            result.failedName = name;
        }
    };
    bool folderReady = false;
    for (const auto& f : files) {
        struct stat st {};
        if (::stat(f.path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
            continue; // nothing there yet to keep
        if (!folderReady) {
            if (::mkdir(folder.c_str(), 0755) != 0 && errno != EEXIST) {
                fail(f.name, errno);
                return result;
            }
            folderReady = true;
        }
        Path copy = folder / (f.name + "." + stamp);
        for (int seq = 2; exists(copy) && seq < 1000; ++seq)
            copy = folder / (f.name + "." + stamp + "_" + std::to_string(seq));
        if (int err = linkOrCopy(f.path, copy)) {
            fail(f.name, err);
            continue;
        }
        result.made.push_back(copy);
        const Path daily = folder / (f.name + "." + date);
        if (!exists(daily)) {
            if (int err = linkOrCopy(copy, daily))
                fail(f.name, err);
            else
                result.made.push_back(daily);
        }
    }
    return result;
}

void discardBackups(const std::vector<Path>& made)
{
    for (const auto& path : made)
        ::unlink(path.c_str());
}

void pruneBackups(const Path& folder, const std::string& name)
{
    std::vector<std::pair<Parsed, std::string>> daily, writes;
    for (const auto& entry : entriesOf(folder)) {
        Parsed p;
        if (!parse(entry, name, p))
            continue;
        (p.daily ? daily : writes).emplace_back(p, entry);
    }
    // Newest first.
    std::sort(daily.begin(), daily.end(),
              [](const auto& a, const auto& b) { return a.first.date > b.first.date; });
    std::sort(writes.begin(), writes.end(), [](const auto& a, const auto& b) {
        return a.first.stamp != b.first.stamp ? a.first.stamp > b.first.stamp : a.first.seq > b.first.seq;
    });
    for (std::size_t i = kDailyBackups; i < daily.size(); ++i)
        ::unlink((folder / daily[i].second).c_str());
    for (std::size_t i = kRecentBackups; i < writes.size(); ++i)
        ::unlink((folder / writes[i].second).c_str());
}

std::vector<std::string> backupsOf(const Path& folder, const std::string& name)
{
    std::vector<std::string> out;
    for (const auto& entry : entriesOf(folder)) {
        Parsed p;
        if (parse(entry, name, p))
            out.push_back(entry);
    }
    std::sort(out.begin(), out.end());
    return out;
}

} // namespace bw
