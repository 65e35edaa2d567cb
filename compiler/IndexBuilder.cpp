#include "IndexBuilder.h"

#include <algorithm>
#include <cstring>

using namespace gmd;

CIndexBuilder::CIndexBuilder() = default;

void CIndexBuilder::Reset() {
    m_autom.Reset();
    m_forms.Reset();
    m_articles = {};
    m_counts = {};
    m_listBeg = {};
    m_listCur = {};
    m_wordForms[0] = {};
    m_wordForms[1] = {};
    m_formRefs = {};
    m_occ.reset();
    m_nOccBytes = 0;
    m_nOccurrences = 0;
    ClearError();
}

void CIndexBuilder::Start(std::span<const MorphUse> morph, CLemmaSource* pLemmas,
                          const CharMap* pCharMap) {
    Reset();
    m_morph.assign(morph.begin(), morph.end());
    m_pLemmas = pLemmas;
    m_pCharMap = pCharMap;
    m_autom.CreateRoots();
    // Entry 0 stands for "no forms".
    m_formRefs.push_back(0);
}

bool CIndexBuilder::ResolveForm(std::u16string_view form, bool bInsert, uint32_t& nList) {
    nList = kUnknown;
    // A form that cannot be a path of the automaton (only a lemmatiser could
    // hand one over) is left out rather than stored wrongly.
    if (form.empty() || form[0] >= kRootCount || form.find(kEndSymbol) != form.npos) return true;
    const uint32_t nHash = CFormTable::Hash(form);
    nList = m_forms.Find(form, nHash);
    if (nList != CFormTable::kNone) return true;
    if (!bInsert) {
        SetError(kSourceChangedText);
        return false;
    }
    uint32_t nEnd = 0;
    if (!m_autom.Insert(form, nEnd)) {
        SetError(m_autom.GetError());
        return false;
    }
    if (m_autom.IsFinal(nEnd)) {
        SetError(InternalError(u"CIndexBuilder::ResolveForm", u"Form without its list"));
        return false;
    }
    // Lists are numbered in the order their final nodes are made.
    nList = m_forms.Add(form, nHash);
    m_autom.SetFinal(nEnd, true);
    m_autom.SetRelBegPos(nEnd, nList);
    m_counts.push_back(0);
    m_wordForms[0].push_back(kUnknown);
    m_wordForms[1].push_back(kUnknown);
    return true;
}

bool CIndexBuilder::ResolveWord(CWordIndex& word, bool bInsert, uint32_t& nTextList,
                                uint32_t& nRef) {
    nRef = 0;
    if (!ResolveForm(word.GetText(), bInsert, nTextList)) return false;
    if (nTextList == kUnknown) return true;
    const int nSide = word.IsRightPart() ? 1 : 0;
    nRef = m_wordForms[nSide][nTextList];
    if (nRef != kUnknown) return true;
    if (!bInsert) {
        SetError(kSourceChangedText);
        return false;
    }
    word.AddWordForms(m_morph, m_pLemmas);
    if (m_pCharMap != nullptr) word.AddMappedForm(*m_pCharMap);
    std::vector<uint32_t> lists;
    for (const std::u16string& form : word.GetForms()) {
        uint32_t nList = 0;
        if (!ResolveForm(form, true, nList)) return false;
        if (nList != kUnknown) lists.push_back(nList);
    }
    if (lists.empty()) {
        nRef = 0;
    } else {
        nRef = static_cast<uint32_t>(m_formRefs.size());
        m_formRefs.push_back(static_cast<uint32_t>(lists.size()));
        m_formRefs.insert(m_formRefs.end(), lists.begin(), lists.end());
    }
    m_wordForms[nSide][nTextList] = nRef;
    return true;
}

bool CIndexBuilder::CountWord(CWordIndex& word) {
    uint32_t nText = 0;
    uint32_t nRef = 0;
    if (!ResolveWord(word, true, nText, nRef)) return false;
    if (nText != kUnknown) {
        ++m_counts[nText];
        ++m_nOccurrences;
    }
    const uint32_t nForms = m_formRefs[nRef];
    for (uint32_t i = 1; i <= nForms; ++i)
        ++m_counts[m_formRefs[nRef + i]];
    m_nOccurrences += nForms;
    // Each occurrence takes 14 bytes of the file; stop long before a count
    // could wrap.
    if (m_nOccurrences * kOccurrenceSize > kMaxFileSize) {
        SetError(kFileTooLargeText);
        return false;
    }
    return true;
}

bool CIndexBuilder::PrepareLists() {
    const uint32_t nLists = m_forms.GetCount();
    m_listBeg.assign(nLists + 1, 0);
    uint64_t nBytes = 0;
    for (uint32_t k = 0; k < nLists; ++k) {
        m_listBeg[k] = static_cast<uint32_t>(nBytes);
        nBytes += kOccurrenceSize * uint64_t{m_counts[k]};
        if (nBytes > kMaxFileSize) {
            SetError(kFileTooLargeText);
            return false;
        }
    }
    m_listBeg[nLists] = static_cast<uint32_t>(nBytes);
    m_listCur.assign(m_listBeg.begin(), m_listBeg.end() - 1);
    m_counts = {};
    m_nOccBytes = nBytes;
    m_occ = std::make_unique_for_overwrite<uint8_t[]>(std::max<uint64_t>(nBytes, 1));
    return true;
}

bool CIndexBuilder::Place(uint32_t nList, const uint8_t* pRecord) {
    uint32_t& nCur = m_listCur[nList];
    if (nCur + kOccurrenceSize > m_listBeg[nList + 1]) {
        SetError(kSourceChangedText);
        return false;
    }
    std::memcpy(m_occ.get() + nCur, pRecord, kOccurrenceSize);
    nCur += kOccurrenceSize;
    return true;
}

bool CIndexBuilder::PlaceWord(CWordIndex& word) {
    if (!m_occ) {
        SetError(InternalError(u"CIndexBuilder::PlaceWord", u"Lists not prepared"));
        return false;
    }
    uint32_t nText = 0;
    uint32_t nRef = 0;
    if (!ResolveWord(word, false, nText, nRef)) return false;
    uint8_t rec[kOccurrenceSize];
    OccurrenceRecord{static_cast<uint32_t>(word.GetWordNum()),
                     static_cast<uint32_t>(word.GetPosition()), word.GetSpan(),
                     static_cast<uint32_t>(word.GetArticle()), word.GetFlags()}
        .Encode(rec);
    if (nText != kUnknown && !Place(nText, rec)) return false;
    const uint32_t nForms = m_formRefs[nRef];
    for (uint32_t i = 1; i <= nForms; ++i) {
        if (!Place(m_formRefs[nRef + i], rec)) return false;
    }
    return true;
}

bool CIndexBuilder::CheckListsFull() {
    for (size_t k = 0; k < m_listCur.size(); ++k) {
        if (m_listCur[k] != m_listBeg[k + 1]) {
            SetError(kSourceChangedText);
            return false;
        }
    }
    return true;
}

const ArticleRecord& CIndexBuilder::GetArticleInfo(int nIndex) const {
    if (nIndex < 0 || static_cast<size_t>(nIndex) >= m_articles.size()) {
        throw CMyObjectThrow(
            InternalError(u"CDictCompiler::GetArticleInfo", u"Invalid array index"));
    }
    return m_articles[static_cast<size_t>(nIndex)];
}

std::vector<WordOccurrence> CIndexBuilder::GetWordInfo(int nList) const {
    if (nList < 0 || static_cast<uint32_t>(nList) >= GetListCount()) {
        throw CMyObjectThrow(InternalError(u"CDictCompiler::GetWordInfo", u"Invalid array index"));
    }
    std::span<const uint8_t> bytes = GetListRecords(static_cast<uint32_t>(nList));
    std::vector<WordOccurrence> result;
    result.reserve(bytes.size() / kOccurrenceSize);
    for (size_t off = 0; off + kOccurrenceSize <= bytes.size(); off += kOccurrenceSize) {
        result.push_back(OccurrenceRecord::Decode(bytes.data() + off));
    }
    return result;
}

void CIndexBuilder::GetNodeRelations(uint32_t nNode, std::span<const char16_t>& symbols,
                                     std::span<const uint32_t>& targets) const {
    symbols = m_autom.GetRelSymbols(nNode);
    targets = m_autom.GetRelTargets(nNode);
}

std::span<const uint8_t> CIndexBuilder::GetListRecords(uint32_t nList) const {
    if (!m_occ || nList + 1 >= m_listBeg.size()) return {};
    const uint32_t nBeg = m_listBeg[nList];
    return {m_occ.get() + nBeg, static_cast<size_t>(m_listCur[nList] - nBeg)};
}

size_t CIndexBuilder::GetMemoryBytes() const {
    size_t n = m_autom.GetMemoryBytes() + m_forms.GetMemoryBytes() + m_nOccBytes;
    n += m_articles.capacity() * sizeof(ArticleRecord) + m_counts.capacity() * 4 +
         (m_listBeg.capacity() + m_listCur.capacity()) * 4 +
         (m_wordForms[0].capacity() + m_wordForms[1].capacity() + m_formRefs.capacity()) * 4;
    return n;
}
