// The writing side of CDictIndexFile.
#include <ctime>
#include <filesystem>
#include <random>
#include <vector>

#include "DictIndexFile.h"
#include "core/Utf8.h"

namespace {

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
    if (!m_pOut->Create(std::filesystem::path(ToUtf8(strPath)))) {
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

    // The text is read the way the parser read it, behind the byte-order mark.
    if (!source.SetMapPos(source.SkipByteOrderMark(), 0) &&
        source.GetFileLength() > source.GetByteOrderMarkSize()) {
        SetError(source.GetError());
        return false;
    }
    bool bTextLeft = source.GetFileLength() > source.GetByteOrderMarkSize();
    GmdTextReader readText = [&](std::span<char16_t> units) -> size_t {
        size_t n = 0;
        char16_t symb = 0;
        while (bTextLeft && n < units.size()) {
            if (source.ReadMapSymb(symb) == 0) {
                bTextLeft = false;
                break;
            }
            units[n++] = symb;
        }
        return n;
    };

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
