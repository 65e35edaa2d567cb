#include "MyFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "StringTable.h"
#include "Utf8.h"
#include "core/TextIds.h"

namespace {

constexpr size_t kMaxPlatformTextLength = 260;

std::u16string FaultText(std::u16string_view strPath, std::u16string_view strReason) {
    std::u16string text(strPath);
    text += u": ";
    text += strReason;
    if (text.size() > kMaxPlatformTextLength) text.resize(kMaxPlatformTextLength);
    return text;
}

std::u16string ErrnoText(int nErr) {
    return FromUtf8(std::generic_category().message(nErr));
}

int AccessFlags(unsigned nFlags) {
    switch (nFlags & 0x3) {
        case CMyFile::MODE_WRITE:
            return O_WRONLY;
        case CMyFile::MODE_READ_WRITE:
            return O_RDWR;
        default:
            return O_RDONLY;
    }
}

}  // namespace

CMyFile::~CMyFile() {
    CMyFile::Close();
}

void CMyFile::Reset() {
    m_strFileName.clear();
    m_strFilePath.clear();
    Close();
}

bool CMyFile::ReOpen(unsigned nFlags) {
    const std::u16string strPath = m_strFilePath;
    return Open(strPath, nFlags);
}

bool CMyFile::Open(std::u16string_view strPath, unsigned nFlags) {
    Close();
    auto fail = [&](std::u16string_view strReason) {
        if (m_nFd >= 0) ::close(m_nFd);
        m_nFd = -1;
        SetError(JoinMessages(
            {LoadText(IDS_OPEN_DOCUMENT_FAILED).value_or(u""), FaultText(strPath, strReason)}));
        return false;
    };
    const std::string strPath8 = ToFileName(strPath);
    if (strPath8.empty()) return fail(ErrnoText(ENOENT));
    if (strPath8.find('\0') != std::string::npos) return fail(ErrnoText(EINVAL));
    if ((nFlags & 0x3) == 0x3) return fail(ErrnoText(EINVAL));

    // Non-blocking so that a FIFO cannot stall the open; only regular files
    // are accepted afterwards, and for them the flag changes nothing.
    int nOpenFlags = AccessFlags(nFlags) | O_CLOEXEC | O_NONBLOCK;
    if (nFlags & MODE_CREATE) {
        nOpenFlags |= O_CREAT;
        if (!(nFlags & MODE_NO_TRUNCATE)) nOpenFlags |= O_TRUNC;
    }
    do {
        m_nFd = ::open(strPath8.c_str(), nOpenFlags, 0666);
    } while (m_nFd < 0 && errno == EINTR);
    if (m_nFd < 0) return fail(ErrnoText(errno));

    struct stat st {};
    if (::fstat(m_nFd, &st) != 0) return fail(ErrnoText(errno));
    if (S_ISDIR(st.st_mode)) return fail(ErrnoText(EISDIR));
    if (!S_ISREG(st.st_mode)) return fail(u"Not a regular file");
    ::fcntl(m_nFd, F_SETFL, ::fcntl(m_nFd, F_GETFL) & ~O_NONBLOCK);

    std::error_code ec;
    std::filesystem::path fullPath = std::filesystem::absolute(strPath8, ec);
    if (ec) fullPath = strPath8;
    fullPath = fullPath.lexically_normal();
    m_strFilePath = FromFileName(fullPath.string());
    m_strFileName = FromFileName(fullPath.filename().string());
    return true;
}

void CMyFile::Close() {
    if (m_nFd >= 0) ::close(m_nFd);
    m_nFd = -1;
}

bool CMyFile::Remove() {
    Close();
    const std::string strPath8 = ToFileName(m_strFilePath);
    const int nErr = strPath8.empty() ? ENOENT : (::unlink(strPath8.c_str()) == 0 ? 0 : errno);
    if (nErr == 0) return true;
    SetError(PlatformErrorText(nErr));
    return false;
}

void CMyFile::Write(const void* pBuf, uint32_t nCount) {
    CheckOpen(u"Write");
    const char* p = static_cast<const char*>(pBuf);
    while (nCount > 0) {
        const ssize_t n = ::write(m_nFd, p, nCount);
        if (n < 0) {
            if (errno == EINTR) continue;
            ThrowPlatformError(errno);
        }
        if (n == 0) ThrowPlatformError(EIO);
        p += n;
        nCount -= static_cast<uint32_t>(n);
    }
}

uint32_t CMyFile::Read(void* pBuf, uint32_t nCount) {
    CheckOpen(u"Read");
    char* p = static_cast<char*>(pBuf);
    uint32_t nDone = 0;
    while (nDone < nCount) {
        const ssize_t n = ::read(m_nFd, p + nDone, nCount - nDone);
        if (n < 0) {
            if (errno == EINTR) continue;
            ThrowPlatformError(errno);
        }
        if (n == 0) break;
        nDone += static_cast<uint32_t>(n);
    }
    return nDone;
}

int64_t CMyFile::Seek(int64_t nOffset, int nOrigin) {
    CheckOpen(u"Seek");
    int nWhence = SEEK_SET;
    if (nOrigin == ORIGIN_CURRENT) {
        nWhence = SEEK_CUR;
    } else if (nOrigin == ORIGIN_END) {
        nWhence = SEEK_END;
    } else if (nOrigin != ORIGIN_BEGIN) {
        ThrowError(InternalError(u"CMyFile::Seek", u"Invalid origin"));
    }
    const off_t nPos = ::lseek(m_nFd, static_cast<off_t>(nOffset), nWhence);
    if (nPos < 0) ThrowPlatformError(errno);
    return nPos;
}

void CMyFile::SeekToBegin() {
    Seek(0, ORIGIN_BEGIN);
}

int64_t CMyFile::SeekToEnd() {
    return Seek(0, ORIGIN_END);
}

int64_t CMyFile::GetPosition() const {
    CheckOpen(u"GetPosition");
    const off_t nPos = ::lseek(m_nFd, 0, SEEK_CUR);
    if (nPos < 0) throw CMyObjectThrow(PlatformErrorText(errno));
    return nPos;
}

int64_t CMyFile::GetLength() const {
    CheckOpen(u"GetLength");
    struct stat st {};
    if (::fstat(m_nFd, &st) != 0) throw CMyObjectThrow(PlatformErrorText(errno));
    return st.st_size;
}

std::u16string CMyFile::GetFileTitle() const {
    const size_t nDot = m_strFileName.rfind(u'.');
    return nDot == std::u16string::npos ? m_strFileName : m_strFileName.substr(0, nDot);
}

std::u16string CMyFile::GetFileExt() const {
    const size_t nDot = m_strFileName.rfind(u'.');
    return nDot == std::u16string::npos ? std::u16string() : m_strFileName.substr(nDot + 1);
}

std::u16string CMyFile::PlatformErrorText(int nErr) const {
    return FaultText(m_strFilePath, ErrnoText(nErr));
}

void CMyFile::ThrowPlatformError(int nErr) {
    ThrowError(PlatformErrorText(nErr));
}

void CMyFile::CheckOpen(const char16_t* pszOperation) const {
    if (m_nFd >= 0) return;
    std::u16string strWhere(u"CMyFile::");
    strWhere += pszOperation;
    throw CMyObjectThrow(InternalError(strWhere, u"File is not open"));
}
