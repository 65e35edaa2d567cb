// The file a compiled dictionary is written to. The bytes go to an unnamed
// file in the target's folder (or, where the file system cannot make one, a
// temporary file beside the target); only Commit gives it the target's name,
// so a failed, aborted or killed compile never touches a dictionary the user
// already has and leaves nothing behind.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "core/MyObject.h"

class CGmdOutputFile : public CMyObject {
public:
    CGmdOutputFile() = default;
    CGmdOutputFile(const CGmdOutputFile&) = delete;
    CGmdOutputFile& operator=(const CGmdOutputFile&) = delete;
    ~CGmdOutputFile() override { Discard(); }

    // Creates the file in the target's folder, first removing the named
    // temporaries of earlier runs that were killed. The error text is
    // "Failed to open document.", CR LF and the system's reason.
    bool Create(const std::filesystem::path& target);
    bool IsOpen() const { return m_nFd >= 0; }

    // Buffered; every byte counts towards the calculated size.
    bool Write(std::span<const uint8_t> bytes);
    // Room for n bytes in the buffer, to be filled and then handed to Commit(n).
    uint8_t* Reserve(size_t n);
    bool CommitReserved(size_t n);

    // Writes bytes at an absolute offset past everything Write will have
    // written, unbuffered and uncounted: a block that another thread fills
    // while Write goes on. 0, or the errno value; the object's error text
    // is left alone, so that the two threads never share it.
    int WriteAt(uint64_t nOffset, std::span<const uint8_t> bytes) const;
    // Counts bytes that WriteAt wrote towards the calculated size.
    void AddWritten(uint64_t nBytes) { m_nWritten += nBytes; }

    // Bytes written so far, buffered ones included.
    uint64_t GetCalculatedSize() const { return m_nWritten; }
    // Flushes the buffer and asks the file system how long the file is.
    bool GetRealSize(uint64_t& nSize);

    // Flushes, closes and gives the file the target's name.
    bool Commit();
    // Closes and deletes the file; the target stays as it was.
    void Discard();

    // A path the bytes can be reached by while they are written.
    std::filesystem::path GetWritePath() const;

private:
    bool CreateNamed(int& nErrno);
    bool Flush();
    bool FailWithErrno(int nErrno);
    void CloseFd();

    static constexpr size_t kBufferSize = 1 << 20;

    std::filesystem::path m_target;
    std::filesystem::path m_temp;  // empty while the file has no name
    int m_nFd = -1;
    bool m_bFailed = false;
    std::vector<uint8_t> m_buffer;
    size_t m_nBuffered = 0;
    uint64_t m_nWritten = 0;
};

// The system's description of an errno value, at most 260 units.
std::u16string SystemErrorText(int nErrno);

// Removes the temporaries ("NAME.gmd.tmp" and eight letters or digits) that
// killed runs left in folder: those older than now that no running writer
// holds. Returns how many went.
int RemoveStaleTemporaries(const std::filesystem::path& folder);
