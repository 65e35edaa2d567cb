#include "DictGroupFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <iterator>
#include <memory>

#include "core/AtomicFile.h"
#include "core/StringTable.h"
#include "core/Utf8.h"

namespace {

struct CFileCloser {
    void operator()(std::FILE* pFile) const { std::fclose(pFile); }
};
using CFilePtr = std::unique_ptr<std::FILE, CFileCloser>;

// Little-endian fields from a buffered stream. Every read either delivers the
// whole field or reports a short read; nothing is allocated ahead of the bytes
// that actually arrive, so a count in the file cannot make us reserve memory.
class CGroupReader {
public:
    explicit CGroupReader(std::FILE* pFile) : m_pFile(pFile) {}

    bool ReadU8(uint8_t& value) {
        const int c = std::fgetc(m_pFile);
        if (c == EOF) return false;
        value = static_cast<uint8_t>(c);
        return true;
    }
    bool ReadU16(uint16_t& value) {
        uint8_t lo = 0, hi = 0;
        if (!ReadU8(lo) || !ReadU8(hi)) return false;
        value = static_cast<uint16_t>(lo | (hi << 8));
        return true;
    }
    bool ReadI16(int16_t& value) {
        uint16_t u = 0;
        if (!ReadU16(u)) return false;
        value = static_cast<int16_t>(u);
        return true;
    }
    bool ReadName(std::u16string& name) {
        uint16_t nLength = 0;
        if (!ReadU16(nLength)) return false;
        name.clear();
        for (uint16_t i = 0; i < nLength; ++i) {
            uint16_t unit = 0;
            if (!ReadU16(unit)) return false;
            name.push_back(static_cast<char16_t>(unit));
        }
        return true;
    }

private:
    std::FILE* m_pFile;
};

bool ReadFields(CGroupReader& reader, CDictGroupFile& data) {
    if (!reader.ReadI16(data.m_nGroupCount) || !reader.ReadI16(data.m_nFileCount) ||
        !reader.ReadI16(data.m_nCurrentGroup))
        return false;
    for (int i = 0; i < data.m_nGroupCount; ++i) {
        if (!reader.ReadName(data.m_arrGroupNames.emplace_back())) return false;
    }
    for (int i = 0; i < data.m_nFileCount; ++i) {
        if (!reader.ReadName(data.m_arrFileNames.emplace_back())) return false;
    }
    for (int g = 0; g < data.m_nGroupCount; ++g) {
        auto& table = data.m_arrGroupTables.emplace_back();
        for (int f = 0; f < data.m_nFileCount; ++f) {
            CGroupTableEntry entry;
            uint8_t nFlag = 0;
            if (!reader.ReadI16(entry.nFileIndex) || !reader.ReadU8(nFlag)) return false;
            entry.bEnabled = nFlag != 0;
            table.push_back(entry);
        }
    }
    // Files of older versions end before the marker.
    if (!reader.ReadU8(data.m_nFirstGroupMarker)) data.m_nFirstGroupMarker = 0;
    return true;
}

void PutU16(std::vector<uint8_t>& out, uint16_t value) {
    out.push_back(static_cast<uint8_t>(value & 0xFF));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

void PutName(std::vector<uint8_t>& out, const std::u16string& name) {
    PutU16(out, static_cast<uint16_t>(name.size()));
    for (char16_t unit : name)
        PutU16(out, unit);
}

// Only a regular file is read: a FIFO or a device put in its place must not
// stall the start of the program.
CFilePtr OpenRegularFile(const std::filesystem::path& path, int& nErrno) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        nErrno = errno;
        return nullptr;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        nErrno = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        ::close(fd);
        return nullptr;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    CFilePtr file(::fdopen(fd, "rb"));
    if (!file) {
        nErrno = errno;
        ::close(fd);
    }
    return file;
}

std::u16string ProcessingError(const std::filesystem::path& path) {
    return FormatTextId(41326, {FromFileName(path.string())});
}

}  // namespace

void CDictGroupFile::Empty() {
    m_nGroupCount = m_nFileCount = m_nCurrentGroup = 0;
    m_arrGroupNames.clear();
    m_arrFileNames.clear();
    m_arrGroupTables.clear();
    m_nFirstGroupMarker = 0;
}

bool CDictGroupFile::ReadGroupFile(const std::filesystem::path& path) {
    Empty();
    int nErrno = 0;
    CFilePtr file = OpenRegularFile(path, nErrno);
    if (!file) {
        SetError(ProcessingError(path) + u"\r\n" + FileErrorText(nErrno));
        return false;
    }
    CGroupReader reader(file.get());
    if (!ReadFields(reader, *this)) {
        Empty();
        SetError(ProcessingError(path) + u"\r\n" + FormatTextId(41331));
        return false;
    }
    file.reset();
    std::u16string detail;
    if (!CheckGroupData(detail)) {
        Empty();
        SetError(FormatTextId(41331));
        return false;
    }
    return true;
}

bool CDictGroupFile::CheckGroupData(std::u16string& message) const {
    message.clear();
    const int nGroups = m_nGroupCount;
    const int nFiles = m_nFileCount;
    if (std::ssize(m_arrGroupNames) != nGroups || std::ssize(m_arrGroupTables) != nGroups) {
        message = u"The number of group names or tables differs from the group count";
        return false;
    }
    if (std::ssize(m_arrFileNames) != nFiles) {
        message = u"The number of file names differs from the file count";
        return false;
    }
    if (m_nCurrentGroup < 0 || m_nCurrentGroup >= nGroups) {
        message = u"The current group lies outside the groups";
        return false;
    }
    for (const auto* pNames : {&m_arrGroupNames, &m_arrFileNames}) {
        for (const auto& name : *pNames) {
            if (name.size() > UINT16_MAX) {
                message = u"A name is too long to be stored";
                return false;
            }
        }
    }
    for (const auto& table : m_arrGroupTables) {
        if (std::ssize(table) != nFiles) {
            message = u"A group table does not list every file";
            return false;
        }
        std::vector<bool> seen(static_cast<size_t>(nFiles), false);
        for (const CGroupTableEntry& entry : table) {
            if (entry.nFileIndex < 0 || entry.nFileIndex >= nFiles || seen[entry.nFileIndex]) {
                message = u"A group table holds a file index outside the list or twice";
                return false;
            }
            seen[entry.nFileIndex] = true;
        }
    }
    return true;
}

std::vector<uint8_t> CDictGroupFile::Encode() const {
    std::vector<uint8_t> out;
    PutU16(out, static_cast<uint16_t>(m_nGroupCount));
    PutU16(out, static_cast<uint16_t>(m_nFileCount));
    PutU16(out, static_cast<uint16_t>(m_nCurrentGroup));
    for (const auto& name : m_arrGroupNames)
        PutName(out, name);
    for (const auto& name : m_arrFileNames)
        PutName(out, name);
    for (const auto& table : m_arrGroupTables) {
        for (const CGroupTableEntry& entry : table) {
            PutU16(out, static_cast<uint16_t>(entry.nFileIndex));
            out.push_back(entry.bEnabled ? 1 : 0);
        }
    }
    out.push_back(m_nFirstGroupMarker);
    return out;
}

bool CDictGroupFile::WriteGroupFile(const std::filesystem::path& path) {
    if (m_nGroupCount == 0) return true;
    std::u16string detail;
    if (!CheckGroupData(detail)) {
        SetError(FormatTextId(41331));
        return false;
    }
    std::u16string fileError;
    if (!ReplaceFileContents(path, Encode(), fileError)) {
        SetError(WrapMessage(FormatTextId(41330), fileError));
        return false;
    }
    return true;
}
