#include "UnicodeMappingFile.h"

#include <sys/mman.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>

#include "StringTable.h"
#include "Utf8.h"
#include "core/TextIds.h"

namespace {

constexpr int kUtf8ErrorText = 41333;

}  // namespace

CUnicodeMappingFile::~CUnicodeMappingFile() {
    ReleaseView();
}

void CUnicodeMappingFile::Reset() {
    ReleaseView();
    CUnicodeFile::Reset();
}

void CUnicodeMappingFile::Close() {
    ReleaseView();
    CUnicodeFile::Close();
}

void CUnicodeMappingFile::ReleaseView() {
    if (m_pView != nullptr) {
        ::munmap(const_cast<uint8_t*>(m_pView), static_cast<size_t>(m_nViewSize));
    }
    m_pView = nullptr;
    m_nViewSize = 0;
    m_nMapPos = 0;
    m_nMapEnd = 0;
}

bool CUnicodeMappingFile::OpenUnicode(std::u16string_view strPath) {
    ReleaseView();
    if (!CUnicodeFile::OpenUnicode(strPath)) return false;
    // A file that changed its length since it was measured would leave part
    // of the view without backing (reading it kills the process), so it is
    // refused here.
    struct stat st {};
    if (::fstat(GetFd(), &st) != 0 || st.st_size != m_nFileLength) {
        SetError(FormatTextId(IDS_MAPPING_ERROR, {GetFilePath()}));
        CloseAsUnopened();
        return false;
    }
    void* pView =
        ::mmap(nullptr, static_cast<size_t>(m_nFileLength), PROT_READ, MAP_PRIVATE, GetFd(), 0);
    if (pView == MAP_FAILED) {
        const int nErr = errno;
        SetError(JoinMessages({FormatTextId(IDS_VIEW_ERROR, {GetFilePath()}),
                               FromUtf8(std::generic_category().message(nErr))}));
        CloseAsUnopened();
        return false;
    }
    m_pView = static_cast<const uint8_t*>(pView);
    m_nViewSize = m_nFileLength;
    m_nMapPos = 0;
    m_nMapEnd = m_nTextEnd;
    return true;
}

void CUnicodeMappingFile::CloseAsUnopened() {
    Close();
    m_nFileLength = -1;
    m_nTextEnd = -1;
    m_nEncoding = ENCODING_NODEF;
    m_nLineEnd = LINE_END_NONE;
}

bool CUnicodeMappingFile::SetMapPos(int32_t nOffset, int nOrigin) {
    if (m_pView == nullptr) return false;
    int64_t nBase;
    switch (nOrigin) {
        case ORIGIN_BEGIN:
            nBase = 0;
            break;
        case ORIGIN_CURRENT:
            nBase = m_nMapPos;
            break;
        case ORIGIN_END:
            nBase = m_nFileLength;
            break;
        default:
            return false;
    }
    const int64_t nPos = nBase + nOffset;
    if (nPos < 0 || nPos >= m_nFileLength) return false;
    m_nMapPos = static_cast<int32_t>(nPos);
    return true;
}

uint32_t CUnicodeMappingFile::ReadMap(void* pBuf, uint32_t nCount) {
    if (m_pView == nullptr) return 0;
    const auto nLeft = static_cast<uint32_t>(m_nViewSize - m_nMapPos);
    const uint32_t n = std::min(nCount, nLeft);
    if (n > 0) std::memcpy(pBuf, m_pView + m_nMapPos, n);
    m_nMapPos += static_cast<int32_t>(n);
    return n;
}

size_t CUnicodeMappingFile::ReadMapAsciiRun(std::u16string& text, char16_t stop1, char16_t stop2) {
    if (m_nEncoding != ENCODING_NOBOM && m_nEncoding != ENCODING_UTF8) return 0;
    const uint8_t* const p = m_pView + m_nMapPos;
    const size_t nLeft = m_nMapEnd > m_nMapPos ? static_cast<size_t>(m_nMapEnd - m_nMapPos) : 0;
    size_t n = 0;
    while (n < nLeft && p[n] < 0x80 && p[n] != stop1 && p[n] != stop2)
        ++n;
    if (n == 0) return 0;
    const size_t nOld = text.size();
    text.resize(nOld + n);
    std::copy(p, p + n, text.begin() + static_cast<std::ptrdiff_t>(nOld));
    m_nMapPos += static_cast<int32_t>(n);
    return n;
}

int CUnicodeMappingFile::ReadMapSymbSlow(char16_t& symb) {
    if (m_nEncoding == ENCODING_NODEF) {
        ThrowError(u"Error in CUnicodeMappingFile::ReadMapSymb(...)\nnEncoding = ENCODING_NODEF");
    }
    const int32_t nLeft = m_nMapEnd - m_nMapPos;
    if (nLeft <= 0) return 0;
    const uint8_t* p = m_pView + m_nMapPos;
    if (m_nEncoding == ENCODING_UCS2LE || m_nEncoding == ENCODING_UCS2BE) {
        if (nLeft < 2) return 0;
        symb = m_nEncoding == ENCODING_UCS2LE ? static_cast<char16_t>(p[0] | (p[1] << 8))
                                              : static_cast<char16_t>((p[0] << 8) | p[1]);
        m_nMapPos += 2;
        return 2;
    }
    const Utf8Step step = DecodeUtf8Symb(m_pView, p, p + nLeft, symb);
    if (step.bError) ThrowError(LoadText(kUtf8ErrorText).value_or(u""));
    m_nMapPos += step.nBytes;
    return step.nBytes;
}
