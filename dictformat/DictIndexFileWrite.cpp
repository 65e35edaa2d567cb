// The writing side of CDictIndexFile.
#include <algorithm>
#include <ctime>
#include <filesystem>
#include <random>
#include <vector>

#include "DictIndexFile.h"
#include "MappedPages.h"
#include "core/Utf8.h"

namespace {

constexpr size_t kReleaseStep = 2 << 20;

std::array<uint16_t, gmd::kKeyCount> MakeTextKey() {
    // Any generator will do; every unit must be non-zero, or it would leave
    // its share of the text as it is.
    std::random_device device;
    std::mt19937 rng(device() ^ static_cast<uint32_t>(std::time(nullptr)));
    std::uniform_int_distribution<uint32_t> unit(1, 0xFFFF);
    std::array<uint16_t, gmd::kKeyCount> key{};
    for (uint16_t& k : key)
        k = static_cast<uint16_t>(unit(rng));
    return key;
}

// Reads the source text in bulk for the text block. Well-formed symbols are
// decoded here straight from the mapped bytes, with the arithmetic of
// ReadMapSymb; everything else (the end of the text, a sequence that is cut
// off or malformed) goes through ReadMapSymb itself, so the units are
// exactly the ones the parser saw.
class TextUnitReader {
public:
    explicit TextUnitReader(CUnicodeMappingFile& source)
        : m_source(source),
          m_pBytes(reinterpret_cast<const uint8_t*>(source.GetMapView().data())),
          m_nPos(static_cast<size_t>(source.GetByteOrderMarkSize())),
          m_nTextEnd(static_cast<size_t>(std::max(source.GetTextEnd(), 0))),
          m_nEncoding(source.GetEncoding()),
          m_bLeft(source.GetFileLength() > source.GetByteOrderMarkSize()) {}

    size_t Read(std::span<char16_t> out) {
        size_t n = 0;
        while (m_bLeft && n < out.size()) {
            n += DecodeRun(out.subspan(n));
            if (n < out.size() && m_bLeft) ReadOneSlowly(out[n], n);
        }
        if (m_nPos >= m_nReleaseAt) {
            // The source pages written out are not needed any more.
            ReleaseMappedPages(m_source.GetMapView(), m_nPos);
            m_nReleaseAt = m_nPos + kReleaseStep;
        }
        return n;
    }

private:
    size_t DecodeRun(std::span<char16_t> out) {
        const uint8_t* p = m_pBytes;
        size_t i = m_nPos;
        size_t n = 0;
        const size_t e = m_nTextEnd;
        if (m_nEncoding == ENCODING_UCS2LE || m_nEncoding == ENCODING_UCS2BE) {
            const bool bLe = m_nEncoding == ENCODING_UCS2LE;
            for (; n < out.size() && i + 2 <= e; ++n, i += 2) {
                out[n] = bLe ? static_cast<char16_t>(p[i] | (p[i + 1] << 8))
                             : static_cast<char16_t>((p[i] << 8) | p[i + 1]);
            }
        } else if (m_nEncoding == ENCODING_UTF8 || m_nEncoding == ENCODING_NOBOM) {
            while (n < out.size() && i < e) {
                const unsigned b0 = p[i];
                if (b0 < 0x80) {
                    out[n++] = static_cast<char16_t>(b0);
                    ++i;
                } else if ((b0 & 0xE0) == 0xC0 && i + 2 <= e && (p[i + 1] & 0xC0) == 0x80) {
                    out[n++] = static_cast<char16_t>(((b0 & 0x1F) << 6) | (p[i + 1] & 0x3F));
                    i += 2;
                } else if ((b0 & 0xF0) == 0xE0 && i + 3 <= e && (p[i + 1] & 0xC0) == 0x80 &&
                           (p[i + 2] & 0xC0) == 0x80) {
                    out[n++] = static_cast<char16_t>(((b0 & 0x0F) << 12) |
                                                     ((p[i + 1] & 0x3F) << 6) | (p[i + 2] & 0x3F));
                    i += 3;
                } else {
                    break;
                }
            }
        }
        m_nPos = i;
        return n;
    }

    void ReadOneSlowly(char16_t& unit, size_t& n) {
        if (m_nPos >= static_cast<size_t>(m_source.GetFileLength()) ||
            !m_source.SetMapPos(static_cast<int32_t>(m_nPos), 0)) {
            m_bLeft = false;
            return;
        }
        if (m_source.ReadMapSymb(unit) == 0) {
            m_bLeft = false;
            return;
        }
        ++n;
        m_nPos = static_cast<size_t>(m_source.GetMapPos());
    }

    CUnicodeMappingFile& m_source;
    const uint8_t* m_pBytes;
    size_t m_nPos;
    size_t m_nTextEnd;
    int32_t m_nEncoding;
    bool m_bLeft;
    size_t m_nReleaseAt = kReleaseStep;
};

}  // namespace

GmdHeader CDictIndexFile::MakeGmdHeader() const {
    GmdHeader header;
    header.nFileType = GetFileType();
    header.nDictType = GetDictType();
    header.nIndexArea = GetIndexArea();
    for (int i = 0; i < GetMorphDescrCount(); ++i) {
        MorphDescr descr = GetMorphDescr(i);
        header.morph.push_back({std::move(descr.strName), descr.nSide});
    }
    header.strName = GetName();
    header.nArticleCount = GetArticleCount();
    header.nWordCount = GetWordCount();
    return header;
}

bool CDictIndexFile::OpenForWriting(std::u16string_view strPath) {
    DiscardWriting();
    m_nWrittenSize = 0;
    m_pOut = std::make_unique<CGmdOutputFile>();
    if (!m_pOut->Create(std::filesystem::path(ToFileName(strPath)))) {
        SetError(m_pOut->GetError());
        m_pOut.reset();
        return false;
    }
    return true;
}

bool CDictIndexFile::WriteHeader() {
    std::vector<uint8_t> bytes;
    if (!CGmdWriter::EncodeHeader(MakeGmdHeader(), bytes)) {
        SetError(kBadIndexText);
        return false;
    }
    if (!IsOpenForWriting() || !m_pOut->Write(bytes)) {
        SetError(m_pOut ? m_pOut->GetError() : std::u16string(kBadIndexText));
        return false;
    }
    return true;
}

bool CDictIndexFile::WriteCompiledFile(CUnicodeMappingFile& source, const CCompiledIndex& index,
                                       int nVersion, uint64_t nTextUnits) {
    ClearError();
    if (nVersion != gmd::kFormatVersion || !IsOpenForWriting()) {
        SetError(InternalError(u"CDictIndexFile::WriteCompiledFile", u"Cannot write this file"));
        return false;
    }
    m_byFormatVersion = gmd::kFormatVersion;
    m_dwCompileDate = m_fixedDate ? *m_fixedDate : static_cast<uint32_t>(std::time(nullptr));
    m_arrTextKey = m_fixedKey ? *m_fixedKey : MakeTextKey();

    if (source.GetMapView().empty()) {
        SetError(InternalError(u"CDictIndexFile::WriteCompiledFile", u"Source not mapped"));
        return false;
    }
    TextUnitReader reader(source);
    GmdTextReader readText = [&](std::span<char16_t> units) { return reader.Read(units); };

    CGmdWriter writer(*m_pOut, m_writeControl);
    const bool bOk =
        writer.Write(MakeGmdHeader(), m_dwCompileDate, m_arrTextKey, index, readText, nTextUnits);
    for (int i = 0; i < gmd::kBlockCount; ++i) {
        m_arrBlockPos[static_cast<size_t>(i)] =
            static_cast<int32_t>(writer.GetBlockPos()[static_cast<size_t>(i)]);
    }
    if (!bOk) SetError(writer.GetError());
    return bOk;
}

bool CDictIndexFile::CommitWriting() {
    if (!IsOpenForWriting()) return false;
    m_nWrittenSize = m_pOut->GetCalculatedSize();
    if (!m_pOut->Commit()) {
        SetError(m_pOut->GetError());
        m_pOut->Discard();
        m_pOut.reset();
        return false;
    }
    m_pOut.reset();
    return true;
}

void CDictIndexFile::DiscardWriting() {
    if (m_pOut) m_pOut->Discard();
    m_pOut.reset();
}
