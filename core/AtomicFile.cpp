#include "AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "StringTable.h"
#include "Utf8.h"

namespace {

constexpr size_t kMaxSystemTextUnits = 260;

class CFd {
public:
    explicit CFd(int fd) : m_fd(fd) {}
    CFd(const CFd&) = delete;
    CFd& operator=(const CFd&) = delete;
    ~CFd() { Close(); }
    int Get() const { return m_fd; }
    int Close() {
        int rc = 0;
        if (m_fd >= 0) rc = ::close(m_fd);
        m_fd = -1;
        return rc;
    }

private:
    int m_fd;
};

bool WriteAll(int fd, std::span<const uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes = bytes.subspan(static_cast<size_t>(n));
    }
    return true;
}

// Keeps the permissions of the file being replaced; a new file gets the
// usual rw-r--r-- less the process's umask.
mode_t ModeFor(const std::filesystem::path& target) {
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0644 & ~mask;
}

}  // namespace

std::u16string FileErrorText(int nErrno) {
    std::u16string system = FromUtf8(std::strerror(nErrno));
    if (system.size() > kMaxSystemTextUnits) system.resize(kMaxSystemTextUnits);
    return FormatTextId(61697) + u"\r\n" + system;
}

bool ReplaceFileContents(const std::filesystem::path& target, std::span<const uint8_t> bytes,
                         std::u16string& errorText) {
    std::string tempName = target.string() + ".XXXXXX";
    CFd fd(::mkstemp(tempName.data()));
    if (fd.Get() < 0) {
        errorText = FileErrorText(errno);
        return false;
    }
    const auto fail = [&](int nErrno) {
        ::unlink(tempName.c_str());
        errorText = FileErrorText(nErrno);
        return false;
    };
    if (::fchmod(fd.Get(), ModeFor(target)) != 0) return fail(errno);
    if (!WriteAll(fd.Get(), bytes)) return fail(errno);
    if (::fsync(fd.Get()) != 0) return fail(errno);
    if (fd.Close() != 0) return fail(errno);
    if (::rename(tempName.c_str(), target.c_str()) != 0) return fail(errno);
    return true;
}
