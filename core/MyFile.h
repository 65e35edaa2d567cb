// The thin file object every core file access goes through (POSIX files).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "MyObject.h"

// I/O faults of Write, Read, Seek, GetPosition and GetLength throw
// CMyObjectThrow carrying the platform's description of the fault (the
// non-const ones also leave it as the error text): whoever drives the work
// catches it and reports the text. Open, OpenUnicode and Remove report
// failure by returning false instead. Using a closed file is an internal
// fault and throws too.
class CMyFile : public CMyObject {
public:
    // Open flags; combine one access mode with the others.
    enum : unsigned {
        MODE_READ = 0x0000,
        MODE_WRITE = 0x0001,
        MODE_READ_WRITE = 0x0002,
        // Share modes are accepted for the callers' sake; POSIX has no
        // mandatory sharing, so they change nothing.
        SHARE_EXCLUSIVE = 0x0010,
        SHARE_DENY_WRITE = 0x0020,
        SHARE_DENY_READ = 0x0030,
        SHARE_DENY_NONE = 0x0040,
        // Create the file, truncating an existing one unless MODE_NO_TRUNCATE.
        MODE_CREATE = 0x1000,
        MODE_NO_TRUNCATE = 0x2000,
    };
    // Seek origins.
    enum : int { ORIGIN_BEGIN = 0, ORIGIN_CURRENT = 1, ORIGIN_END = 2 };

    CMyFile() = default;
    CMyFile(const CMyFile&) = delete;
    CMyFile& operator=(const CMyFile&) = delete;
    ~CMyFile() override;

    // Forgets name and path, then closes.
    virtual void Reset();
    // Closes and opens the current path again with other flags.
    virtual bool ReOpen(unsigned nFlags);
    // Only regular files open; on failure the error text is 61697, CR LF and
    // the platform's description of the fault.
    virtual bool Open(std::u16string_view strPath, unsigned nFlags);
    virtual void Close();
    // Closes the file and deletes it from disk.
    virtual bool Remove();
    virtual void Write(const void* pBuf, uint32_t nCount);
    // Returns the count actually read: fewer than asked only at the end.
    virtual uint32_t Read(void* pBuf, uint32_t nCount);
    // Returns the new position; a position before the start is a fault.
    virtual int64_t Seek(int64_t nOffset, int nOrigin);
    virtual void SeekToBegin();
    virtual int64_t SeekToEnd();
    virtual int64_t GetPosition() const;
    virtual int64_t GetLength() const;

    bool IsOpen() const { return m_nFd >= 0; }
    // Name and extension of the open file, without its folder.
    const std::u16string& GetFileName() const { return m_strFileName; }
    // The name without its extension (everything before the last ".").
    std::u16string GetFileTitle() const;
    // The extension without its ".", empty when the name has none.
    std::u16string GetFileExt() const;
    // Absolute path of the open file.
    const std::u16string& GetFilePath() const { return m_strFilePath; }

protected:
    // The platform's text for errno value nErr, naming the file, at most 260
    // units.
    std::u16string PlatformErrorText(int nErr) const;
    [[noreturn]] void ThrowPlatformError(int nErr);
    int GetFd() const { return m_nFd; }

private:
    void CheckOpen(const char16_t* pszOperation) const;

    int m_nFd = -1;
    std::u16string m_strFileName;
    std::u16string m_strFilePath;
};
