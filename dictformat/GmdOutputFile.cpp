#include "GmdOutputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>

#include "core/StringTable.h"
#include "core/TextIds.h"

namespace {

constexpr int kTempAttempts = 64;

std::string TempSuffix(std::mt19937_64& rng) {
    static constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::string s = ".tmp";
    for (int i = 0; i < 8; ++i)
        s += kDigits[rng() % 36];
    return s;
}

}  // namespace

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
    std::random_device device;
    std::mt19937_64 rng((static_cast<uint64_t>(device()) << 32) ^ device() ^
                        static_cast<uint64_t>(::getpid()));
    int nErrno = 0;
    for (int i = 0; i < kTempAttempts; ++i) {
        std::filesystem::path temp = target;
        temp += TempSuffix(rng);
        // 0666 lets the umask decide, as for any file the user creates.
        m_nFd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (m_nFd >= 0) {
            m_temp = std::move(temp);
            break;
        }
        nErrno = errno;
        if (nErrno != EEXIST) break;
    }
    if (m_nFd < 0) {
        SetError(JoinMessages(
            {LoadText(IDS_OPEN_DOCUMENT_FAILED).value_or(u""), SystemErrorText(nErrno)}));
        return false;
    }
    m_buffer.resize(kBufferSize);
    m_nBuffered = 0;
    m_nWritten = 0;
    return true;
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
    if (m_nFd < 0) return EBADF;
    while (!bytes.empty()) {
        const ssize_t n = ::pwrite(m_nFd, bytes.data(), bytes.size(), static_cast<off_t>(nOffset));
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        nOffset += static_cast<uint64_t>(n);
        bytes = bytes.subspan(static_cast<size_t>(n));
    }
    return 0;
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
