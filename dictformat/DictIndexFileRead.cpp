// Reading side of CDictIndexFile: opening a compiled file and its fixed
// prefix (version, date, counts, block positions, key).
#include <sys/stat.h>

#include <cstring>

#include "DictIndexFile.h"
#include "GmdCursor.h"
#include "core/Utf8.h"

namespace {

constexpr uint8_t kSourceTextFirstByte = 0x24;  // '$': a source renamed to .gmd
constexpr char16_t kUnsupportedVersionText[] =
    u"Format version of this dictionary is not supported";

std::array<int64_t, 4> IdentityOf(const struct stat& st) {
    return {static_cast<int64_t>(st.st_dev), static_cast<int64_t>(st.st_ino),
            static_cast<int64_t>(st.st_size),
            static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

}  // namespace

void CDictIndexFile::Close() {
    ReleaseReading();
    CDictCommon::Close();
}

void CDictIndexFile::ReleaseReading() {
    m_indexView = CGmdIndexView();
    m_prefetcher.Stop();
    m_mapping.Release();
    m_identity.reset();
}

bool CDictIndexFile::HasFileChanged() const {
    if (!m_identity) return false;
    struct stat st {};
    if (::stat(ToFileName(GetFilePath()).c_str(), &st) != 0) return true;
    return IdentityOf(st) != *m_identity;
}

bool CDictIndexFile::CheckReadFault() {
    if (!m_mapping.HasFaulted()) return true;
    SetError(u"The file was changed by another program while it was read");
    return false;
}

CByteView CDictIndexFile::MappedBytes() const {
    return CByteView(m_mapping.Bytes());
}

bool CDictIndexFile::ReadDictionary(uint8_t nMinVersion) {
    ReleaseReading();
    if (const int nErr = m_mapping.Map(GetFd()); nErr != 0) {
        SetError(u"ReadDictFormatVersion error: " + SystemErrorText(nErr));
        return false;
    }
    if (struct stat st{}; ::fstat(GetFd(), &st) == 0) m_identity = IdentityOf(st);
    int32_t nPos = 0;
    if (!ReadDictFormatVersion(nPos)) return Fail();
    if (m_byFormatVersion < nMinVersion || m_byFormatVersion == kSourceTextFirstByte) {
        SetError(kUnsupportedVersionText);
        return Fail();
    }
    if (!ReadCompileDate(nPos) || !ReadHeader(nPos) || !ReadArticleAndWordCount(nPos)) {
        return Fail();
    }
    if (!ReadIndexBlockPos(nPos)) {
        SetError(u"ReadBlocksPos error");
        return Fail();
    }
    if (!ReadKey(nPos)) {
        SetError(u"ReadKey error");
        return Fail();
    }
    m_indexView =
        CGmdIndexView(MappedBytes(), static_cast<uint32_t>(m_arrBlockPos[gmd::BLOCK_NODES]),
                      static_cast<uint32_t>(m_arrBlockPos[gmd::BLOCK_RELATIONS]),
                      static_cast<uint32_t>(m_arrBlockPos[gmd::BLOCK_TEXT]), m_arrTextKey);
    return true;
}

// Lookups reach the automaton, the occurrence lists and the article records
// at random, most often in that order; the text is read only for the
// articles shown.
void CDictIndexFile::StartReadAhead() {
    if (m_mapping.Bytes().empty()) return;  // not read, or failed
    const auto blockPos = [this](int nBlock) { return static_cast<size_t>(GetBlockPos(nBlock)); };
    m_prefetcher.Start(m_mapping.Bytes(),
                       {{blockPos(gmd::BLOCK_NODES), blockPos(gmd::BLOCK_OCCURRENCES)},
                        {blockPos(gmd::BLOCK_ARTICLES), blockPos(gmd::BLOCK_NODES)},
                        {blockPos(gmd::BLOCK_OCCURRENCES), blockPos(gmd::BLOCK_TEXT)}});
}

// Nothing of a file that failed is used again: the mapping goes, the file
// stays open as the library expects.
bool CDictIndexFile::Fail() {
    ReleaseReading();
    return false;
}

bool CDictIndexFile::ReadStep(int32_t& nPos, std::u16string_view strError,
                              const std::function<bool(CGmdCursor&)>& read) {
    CGmdCursor cursor(MappedBytes(), nPos);
    if (!read(cursor)) {
        SetError(strError);
        return false;
    }
    nPos = static_cast<int32_t>(cursor.Pos());
    return true;
}

bool CDictIndexFile::ReadDictFormatVersion(int32_t& nPos) {
    return ReadStep(nPos, u"ReadDictFormatVersion error", [this](CGmdCursor& cursor) {
        uint8_t byVersion = 0;
        if (!cursor.U8(byVersion) || byVersion == 0) return false;
        m_byFormatVersion = byVersion;
        return true;
    });
}

bool CDictIndexFile::ReadCompileDate(int32_t& nPos) {
    return ReadStep(nPos, u"ReadCompileDate error",
                    [this](CGmdCursor& cursor) { return cursor.U32(m_dwCompileDate); });
}

bool CDictIndexFile::ReadArticleAndWordCount(int32_t& nPos) {
    return ReadStep(nPos, u"ReadArticleAndWordCount error", [this](CGmdCursor& cursor) {
        int32_t nArticles = 0, nWords = 0;
        return cursor.I32(nArticles) && cursor.I32(nWords) && SetArticleCount(nArticles) &&
               SetWordCount(nWords);
    });
}

// Besides being non-negative, the blocks must follow the key in their order
// and lie inside the file: every later read relies on that.
bool CDictIndexFile::ReadIndexBlockPos(int32_t& nPos) {
    return ReadStep(nPos, u"ReadIndexBlockPos error", [this](CGmdCursor& cursor) {
        std::array<int32_t, gmd::kBlockCount> arrPos{};
        for (int32_t& nBlockPos : arrPos)
            if (!cursor.I32(nBlockPos) || nBlockPos < 0) return false;
        int64_t nPrevious = cursor.Pos() + static_cast<int64_t>(gmd::kKeySize);
        for (int32_t nBlockPos : arrPos) {
            if (nBlockPos < nPrevious || static_cast<uint64_t>(nBlockPos) > MappedBytes().Size())
                return false;
            nPrevious = nBlockPos;
        }
        m_arrBlockPos = arrPos;
        return true;
    });
}

bool CDictIndexFile::ReadKey(int32_t& nPos) {
    return ReadStep(nPos, u"ReadKey error", [this](CGmdCursor& cursor) {
        std::array<uint16_t, gmd::kKeyCount> key{};
        for (uint16_t& nUnit : key)
            if (!cursor.U16(nUnit) || nUnit == 0) return false;
        m_arrTextKey = key;
        return true;
    });
}
