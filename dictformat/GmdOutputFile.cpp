#include "GmdOutputFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <random>

#include "core/PositionedIo.h"
#include "core/StringTable.h"
#include "core/TextIds.h"

namespace {

constexpr int kTempAttempts = 64;
constexpr std::string_view kTempMark = ".tmp";
constexpr size_t kTempLetters = 8;
constexpr std::string_view kTempAlphabet = "0123456789abcdefghijklmnopqrstuvwxyz";

std::mt19937_64 MakeRandom() {
    std::random_device device;
    return std::mt19937_64((static_cast<uint64_t>(device()) << 32) ^ device() ^
                           static_cast<uint64_t>(::getpid()));
}

std::string TempSuffix(std::mt19937_64& rng) {
    std::string s(kTempMark);
    for (size_t i = 0; i < kTempLetters; ++i)
        s += kTempAlphabet[rng() % kTempAlphabet.size()];
    return s;
}

bool IsOurTemporary(std::string_view name) {
    const size_t nMark = name.size() - std::min(name.size(), kTempMark.size() + kTempLetters);
    if (nMark == 0 || name.substr(nMark, kTempMark.size()) != kTempMark) return false;
    if (!name.substr(0, nMark).ends_with(".gmd")) return false;
    return name.substr(nMark + kTempMark.size()).find_first_not_of(kTempAlphabet) ==
           std::string_view::npos;
}

// Opens name in the folder of target, trying fresh suffixes while the name
// is taken; -1 with nErrno set when it cannot.
int CreateTemporary(const std::filesystem::path& target, std::mt19937_64& rng,
                    std::filesystem::path& temp, int& nErrno) {
    for (int i = 0; i < kTempAttempts; ++i) {
        temp = target;
        temp += TempSuffix(rng);
        // 0666 lets the umask decide, as for any file the user creates.
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) return fd;
        nErrno = errno;
        if (nErrno != EEXIST) break;
    }
    temp.clear();
    return -1;
}

}  // namespace

int RemoveStaleTemporaries(const std::filesystem::path& folder) {
    const std::time_t now = std::time(nullptr);
    int nRemoved = 0;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::filesystem::path& path = it->path();
        if (!IsOurTemporary(path.filename().string())) continue;
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        if (fd < 0) continue;
        struct stat st {};
        // A writer holds a lock on its file for as long as it writes.
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_mtime < now &&
            ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::unlink(path.c_str()) == 0) {
            ++nRemoved;
        }
        ::close(fd);
    }
    return nRemoved;
}

std::u16string SystemErrorText(int nErrno) {
    char buf[512];
    // The GNU strerror_r may return a static string instead of filling buf.
    const char* text = strerror_r(nErrno, buf, sizeof buf);
    // The process locale is never changed, so the text is plain ASCII.
    std::u16string result;
    for (const char* p = text ? text : ""; *p != 0 && result.size() < 260; ++p) {
        result += static_cast<char16_t>(static_cast<unsigned char>(*p));
    }
    return result;
}

bool CGmdOutputFile::FailWithErrno(int nErrno) {
    m_bFailed = true;
    SetError(SystemErrorText(nErrno));
    return false;
}

bool CGmdOutputFile::Create(const std::filesystem::path& target) {
    Discard();
    ClearError();
    m_bFailed = false;
    m_target = target;
    const std::filesystem::path folder =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    RemoveStaleTemporaries(folder);
    int nErrno = 0;
    m_nFd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (m_nFd < 0 && !CreateNamed(nErrno)) {
        SetError(JoinMessages(
            {LoadText(IDS_OPEN_DOCUMENT_FAILED).value_or(u""), SystemErrorText(nErrno)}));
        return false;
    }
    // Locked, so that no sweep takes the file while it has a name.
    ::flock(m_nFd, LOCK_EX | LOCK_NB);
    m_buffer.resize(kBufferSize);
    m_nBuffered = 0;
    m_nWritten = 0;
    return true;
}

// Where the file system cannot make an unnamed file: a named temporary.
bool CGmdOutputFile::CreateNamed(int& nErrno) {
    std::mt19937_64 rng = MakeRandom();
    m_nFd = CreateTemporary(m_target, rng, m_temp, nErrno);
    return m_nFd >= 0;
}

std::filesystem::path CGmdOutputFile::GetWritePath() const {
    if (!m_temp.empty() || m_nFd < 0) return m_temp;
    return "/proc/self/fd/" + std::to_string(m_nFd);
}

bool CGmdOutputFile::Flush() {
    if (m_bFailed || m_nFd < 0) return false;
    size_t nDone = 0;
    while (nDone < m_nBuffered) {
        ssize_t n = ::write(m_nFd, m_buffer.data() + nDone, m_nBuffered - nDone);
        if (n < 0) {
            if (errno == EINTR) continue;
            return FailWithErrno(errno);
        }
        nDone += static_cast<size_t>(n);
    }
    m_nBuffered = 0;
    return true;
}

int CGmdOutputFile::WriteAt(uint64_t nOffset, std::span<const uint8_t> bytes) const {
    return m_nFd < 0 ? EBADF : WriteAllAt(m_nFd, nOffset, bytes);
}

bool CGmdOutputFile::Write(std::span<const uint8_t> bytes) {
    if (m_bFailed || m_nFd < 0) return false;
    while (!bytes.empty()) {
        if (m_nBuffered == m_buffer.size() && !Flush()) return false;
        size_t n = std::min(bytes.size(), m_buffer.size() - m_nBuffered);
        std::memcpy(m_buffer.data() + m_nBuffered, bytes.data(), n);
        m_nBuffered += n;
        m_nWritten += n;
        bytes = bytes.subspan(n);
    }
    return true;
}

uint8_t* CGmdOutputFile::Reserve(size_t n) {
    if (m_bFailed || m_nFd < 0 || n > m_buffer.size()) return nullptr;
    if (m_buffer.size() - m_nBuffered < n && !Flush()) return nullptr;
    return m_buffer.data() + m_nBuffered;
}

bool CGmdOutputFile::CommitReserved(size_t n) {
    if (m_bFailed || m_nFd < 0 || n > m_buffer.size() - m_nBuffered) return false;
    m_nBuffered += n;
    m_nWritten += n;
    return true;
}

bool CGmdOutputFile::GetRealSize(uint64_t& nSize) {
    if (!Flush()) return false;
    struct stat st {};
    if (::fstat(m_nFd, &st) != 0) return FailWithErrno(errno);
    nSize = static_cast<uint64_t>(st.st_size);
    return true;
}

void CGmdOutputFile::CloseFd() {
    if (m_nFd >= 0) ::close(m_nFd);
    m_nFd = -1;
    m_buffer.clear();
    m_buffer.shrink_to_fit();
    m_nBuffered = 0;
}

bool CGmdOutputFile::Commit() {
    if (!Flush()) return false;
    std::error_code ec;
    // A dictionary that is about to be replaced must not be lost to a power
    // failure between the rename and the write-back of the new bytes.
    if (std::filesystem::exists(m_target, ec) && ::fdatasync(m_nFd) != 0) {
        return FailWithErrno(errno);
    }
    if (m_temp.empty()) {
        // The unnamed file gets a temporary name only now, for the rename
        // that replaces the target in one step.
        std::mt19937_64 rng = MakeRandom();
        const std::string source = GetWritePath().string();
        int nErrno = EEXIST;
        for (int i = 0; i < kTempAttempts && nErrno == EEXIST; ++i) {
            std::filesystem::path temp = m_target;
            temp += TempSuffix(rng);
            if (::linkat(AT_FDCWD, source.c_str(), AT_FDCWD, temp.c_str(), AT_SYMLINK_FOLLOW) ==
                0) {
                m_temp = std::move(temp);
                nErrno = 0;
            } else {
                nErrno = errno;
            }
        }
        if (nErrno != 0) return FailWithErrno(nErrno);
    }
    if (::close(m_nFd) != 0) {
        m_nFd = -1;
        return FailWithErrno(errno);
    }
    m_nFd = -1;
    if (::rename(m_temp.c_str(), m_target.c_str()) != 0) return FailWithErrno(errno);
    m_temp.clear();
    CloseFd();
    return true;
}

void CGmdOutputFile::Discard() {
    CloseFd();
    if (!m_temp.empty()) {
        ::unlink(m_temp.c_str());
        m_temp.clear();
    }
}
