#include "GmdIndexView.h"

std::optional<uint32_t> CGmdIndexView::RootNode(char16_t c) {
    if (c >= gmd::kRootCount) return std::nullopt;
    return static_cast<uint32_t>(c);
}

std::optional<uint32_t> CGmdIndexView::NodeEntry(uint32_t nNode) const {
    const uint64_t nPos = m_nNodeTablePos + uint64_t{nNode} * gmd::kNodeEntrySize;
    if (nPos + gmd::kNodeEntrySize > m_nNodeTableEnd) return std::nullopt;
    return m_bytes.U32(nPos);
}

GmdStep CGmdIndexView::GetRelations(uint32_t nNode, CRelationList& list) const {
    const auto entry = NodeEntry(nNode);
    if (!entry) return GmdStep::CORRUPT;
    // Only the ending symbol leads to a final node, and a final node has no
    // relations: its position is its occurrence list.
    const uint32_t nPos = *entry & gmd::kPosMask;
    if ((*entry & gmd::kFinalFlag) != 0 || nPos == 0) return GmdStep::ABSENT;
    const auto nCount = m_bytes.U32(nPos);
    if (!nCount) return GmdStep::CORRUPT;
    const uint64_t nFirst = uint64_t{nPos} + gmd::kRelCountSize;
    if (!m_bytes.Contains(nFirst, uint64_t{*nCount} * gmd::kRelationSize)) return GmdStep::CORRUPT;
    list = CRelationList(m_bytes.Bytes().data() + nFirst, *nCount);
    return GmdStep::FOUND;
}

GmdStep CGmdIndexView::FindChild(uint32_t nNode, char16_t symb, uint32_t& nChild) const {
    CRelationList relations;
    if (const GmdStep step = GetRelations(nNode, relations); step != GmdStep::FOUND) return step;
    for (uint32_t i = 0; i < relations.size(); ++i) {
        if (relations.Symbol(i) == symb) {
            nChild = relations.Target(i);
            return GmdStep::FOUND;
        }
    }
    return GmdStep::ABSENT;
}

GmdStep CGmdIndexView::GetOccurrences(uint32_t nNode, COccurrenceList& list) const {
    const auto entry = NodeEntry(nNode);
    if (!entry) return GmdStep::CORRUPT;
    if ((*entry & gmd::kFinalFlag) == 0) return GmdStep::ABSENT;
    const uint32_t nPos = *entry & gmd::kPosMask;
    const auto nCount = m_bytes.U32(nPos);
    if (!nCount) return GmdStep::CORRUPT;
    const uint64_t nFirst = uint64_t{nPos} + gmd::kOccCountSize;
    if (!m_bytes.Contains(nFirst, uint64_t{*nCount} * gmd::kOccurrenceSize))
        return GmdStep::CORRUPT;
    list = COccurrenceList(m_bytes.Bytes().data() + nFirst, *nCount);
    return GmdStep::FOUND;
}

CFormLookup CGmdIndexView::LookupForm(std::u16string_view form) const {
    CFormLookup result;
    if (form.empty()) return result;
    const auto root = RootNode(form[0]);
    if (!root) return result;
    uint32_t nNode = *root;
    for (size_t i = 1; i <= form.size(); ++i) {
        const char16_t symb = i < form.size() ? form[i] : gmd::kEndSymbol;
        switch (FindChild(nNode, symb, nNode)) {
            case GmdStep::FOUND:
                break;
            case GmdStep::ABSENT:
                return result;
            case GmdStep::CORRUPT:
                result.status = CFormLookup::CORRUPT;
                return result;
        }
    }
    switch (GetOccurrences(nNode, result.occurrences)) {
        case GmdStep::FOUND:
            result.status = CFormLookup::FOUND;
            break;
        case GmdStep::ABSENT:
            result.status = CFormLookup::NOT_FINAL;
            break;
        case GmdStep::CORRUPT:
            result.status = CFormLookup::CORRUPT;
            break;
    }
    return result;
}

std::optional<CArticleRead> CGmdIndexView::ReadArticle(uint64_t nPos) const {
    if (!m_bytes.Contains(nPos, gmd::kArticleRecordSize)) return std::nullopt;
    CArticleRead read;
    read.record = gmd::ArticleRecord::Decode(m_bytes.Bytes().data() + nPos);
    const int32_t nCaption = read.record.nGroupCaption;
    if (nCaption >= 0) {
        constexpr uint64_t kCaptionPartsSize = 16;
        if (!m_bytes.Contains(static_cast<uint64_t>(nCaption), kCaptionPartsSize))
            return std::nullopt;
        const uint8_t* p = m_bytes.Bytes().data() + nCaption;
        read.bHasCaption = true;
        read.nCaptionLeftBeg = gmd::GetI32(p);
        read.nCaptionLeftEnd = gmd::GetI32(p + 4);
        read.nCaptionRightBeg = gmd::GetI32(p + 8);
        read.nCaptionRightEnd = gmd::GetI32(p + 12);
    }
    return read;
}

uint64_t CGmdIndexView::GetTextLength() const {
    if (m_nTextPos >= m_bytes.Size()) return 0;
    return (m_bytes.Size() - m_nTextPos) / 2;
}

bool CGmdIndexView::GetText(int64_t nStart, int64_t nEnd, std::u16string& text) const {
    text.clear();
    if (nStart < 0 || nEnd < nStart) return false;
    const auto nCount = static_cast<uint64_t>(nEnd) - static_cast<uint64_t>(nStart);
    // Both bounds are checked before they are doubled, so nothing can wrap.
    if (static_cast<uint64_t>(nStart) > m_bytes.Size() || nCount > m_bytes.Size()) return false;
    const uint64_t nFirst = m_nTextPos + 2 * static_cast<uint64_t>(nStart);
    if (!m_bytes.Contains(nFirst, 2 * nCount)) return false;
    text.resize(nCount);
    const uint8_t* p = m_bytes.Bytes().data() + nFirst;
    for (uint64_t i = 0; i < nCount; ++i, p += 2) {
        const auto nUnit = static_cast<uint64_t>(nStart) + i;
        text[i] = gmd::ScrambleSymb(static_cast<char16_t>(gmd::GetU16(p)), nUnit, m_key);
    }
    return true;
}
