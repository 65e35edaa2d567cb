#include "IndexBuilder.h"

#include <algorithm>

using namespace gmd;

namespace {

constexpr char16_t kSourceOrderText[] =
    u"Error in CIndexBuilder::AddWord\nWords out of source order";

}  // namespace

void CIndexBuilder::Reset() {
    m_autom.Reset();
    m_forms.Reset();
    m_streams.Reset();
    m_articles = {};
    m_formCounts = {};
    m_listSizes = {};
    m_formRefs = {};
    m_wordForms = {};
    m_nLists = 0;
    m_nOccurrences = 0;
    ClearError();
}

void CIndexBuilder::Start(std::span<const MorphUse> morph, CLemmaSource* pLemmas,
                          const CharMap* pCharMap) {
    Reset();
    m_morph.assign(morph.begin(), morph.end());
    m_bFormsSideFree = std::all_of(morph.begin(), morph.end(),
                                   [](const MorphUse& m) { return m.nSide == MORPH_SIDE_BOTH; });
    m_pLemmas = pLemmas;
    m_pCharMap = pCharMap;
    m_bWordForms = (!morph.empty() && pLemmas != nullptr) || (pCharMap && !pCharMap->empty());
    m_autom.CreateRoots();
    m_formRefs.push_back(0);
}

void CIndexBuilder::Reserve(uint64_t nSourceBytes) {
    // Per node about 32 bytes of source, per article 160, per form 256.
    m_autom.Reserve(static_cast<uint32_t>(std::min<uint64_t>(nSourceBytes / 32, kMaxNodeCount)));
    m_articles.reserve(static_cast<size_t>(nSourceBytes / 160));
    m_forms.Reserve(static_cast<uint32_t>(std::min<uint64_t>(nSourceBytes / 256, kMaxNodeCount)));
}

bool CIndexBuilder::ResolveForm(std::u16string_view form, uint32_t& nList) {
    nList = kUnknown;
    // A form that cannot be a path of the automaton (only a lemmatiser could
    // hand one over) is left out rather than stored wrongly.
    if (form.empty() || form[0] >= kRootCount || form.find(kEndSymbol) != form.npos) return true;
    const uint32_t nHash = CFormTable::Hash(form);
    if (const CFormTable::Slot* pSlot = m_forms.Find(form, nHash)) {
        nList = pSlot->nForm;
        return true;
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
    const CFormTable::Slot* pSlot = m_forms.Add(form, nHash);
    if (pSlot == nullptr) return true;  // over 65535 units: no index word is that long
    // Lists are numbered in the order their final nodes are made.
    nList = pSlot->nForm;
    m_autom.SetFinal(nEnd, true);
    m_autom.SetRelBegPos(nEnd, nList);
    m_formCounts.push_back(0);
    if (m_bWordForms) m_wordForms.insert(m_wordForms.end(), 2, kUnknown);
    ++m_nLists;
    return true;
}

bool CIndexBuilder::ResolveWordForms(CWordIndex& word, uint32_t& nRef) {
    word.AddWordForms(m_morph, m_pLemmas);
    if (m_pCharMap != nullptr) word.AddMappedForm(*m_pCharMap);
    std::vector<uint32_t> lists;
    for (const std::u16string& form : word.GetForms()) {
        uint32_t nList = 0;
        if (!ResolveForm(form, nList)) return false;
        if (nList != kUnknown) lists.push_back(nList);
    }
    nRef = 0;
    if (!lists.empty()) {
        nRef = static_cast<uint32_t>(m_formRefs.size());
        m_formRefs.push_back(static_cast<uint32_t>(lists.size()));
        m_formRefs.insert(m_formRefs.end(), lists.begin(), lists.end());
    }
    return true;
}

bool CIndexBuilder::Append(uint32_t nList, const WordOccurrence& occ) {
    if (!m_streams.Append(nList, occ)) {
        SetError(kSourceOrderText);
        return false;
    }
    // Each occurrence takes 14 bytes of the file; stop long before a count
    // could wrap.
    if (++m_nOccurrences * kOccurrenceSize > kMaxFileSize) {
        SetError(kFileTooLargeText);
        return false;
    }
    return true;
}

bool CIndexBuilder::AddWord(CWordIndex& word, uint32_t nHash) {
    const WordOccurrence occ{static_cast<uint32_t>(word.GetWordNum()),
                             static_cast<uint32_t>(word.GetPosition()), word.GetSpan(),
                             static_cast<uint32_t>(word.GetArticle()), word.GetFlags()};
    return AddOccurrence(word.GetText(), nHash, occ, &word);
}

bool CIndexBuilder::AddWord(std::u16string_view text, uint32_t nHash, const WordOccurrence& occ) {
    return AddOccurrence(text, nHash, occ, nullptr);
}

bool CIndexBuilder::AddOccurrence(std::u16string_view text, uint32_t nHash,
                                  const WordOccurrence& occ, CWordIndex* pWord) {
    CFormTable::Slot* pSlot = m_forms.Find(text, nHash);
    if (pSlot == nullptr) {
        uint32_t nNew = kUnknown;
        if (!ResolveForm(text, nNew)) return false;
        if (nNew == kUnknown) return true;
        pSlot = m_forms.Find(text, nHash);
    }
    const uint32_t nText = pSlot->nForm;
    if (!m_bWordForms) {
        ++pSlot->nCount;
        return Append(nText, occ);
    }
    const int nSide = (occ.byFlags & gmd::WORD_RIGHT_PART) != 0 ? 1 : 0;
    uint32_t nRef = m_wordForms[2 * nText + nSide];
    // Where every language applies to both parts, a text has the same forms
    // in either part: the lemmatiser is asked once per text.
    if (nRef == kUnknown && m_bFormsSideFree) nRef = m_wordForms[2 * nText + 1 - nSide];
    if (nRef == kUnknown) {
        if (pWord == nullptr) {
            pWord = &m_scratchWord;
            pWord->Clear();
            pWord->SetUpperText(text);
            pWord->SetFlags(occ.byFlags);
        }
        if (!ResolveWordForms(*pWord, nRef)) return false;
        pSlot = m_forms.Find(text, nHash);  // the table may have grown
        m_wordForms[2 * nText + nSide] = nRef;
    }
    ++pSlot->nCount;
    if (!Append(nText, occ)) return false;
    const uint32_t nForms = m_formRefs[nRef];
    for (uint32_t i = 1; i <= nForms; ++i) {
        const uint32_t nList = m_formRefs[nRef + i];
        ++m_formCounts[nList];
        if (!Append(nList, occ)) return false;
    }
    return true;
}

bool CIndexBuilder::FinishLists() {
    m_listSizes = std::move(m_formCounts);
    m_formCounts = {};
    m_listSizes.resize(m_nLists, 0);
    m_forms.ForEach([&](const CFormTable::Slot& s) { m_listSizes[s.nForm] += s.nCount; });
    // From here on only the automaton, the streams and the sizes are read:
    // what found the forms makes room for the writer.
    m_forms.Reset();
    m_formRefs = {};
    m_wordForms = {};
    uint64_t nBytes = 0;
    for (uint32_t nSize : m_listSizes)
        nBytes += kOccCountSize + kOccurrenceSize * uint64_t{nSize};
    if (nBytes > kMaxFileSize) {
        SetError(kFileTooLargeText);
        return false;
    }
    return true;
}

uint32_t CIndexBuilder::GetListSize(uint32_t nList) const {
    return nList < m_listSizes.size() ? m_listSizes[nList] : 0;
}

bool CIndexBuilder::StreamLists(const ListSink& sink) const {
    if (m_listSizes.size() != m_nLists) return false;
    return m_streams.Stream(m_listSizes, sink, m_nWindow);
}

const gmd::ArticleRecord& CIndexBuilder::GetArticleInfo(int nIndex) const {
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
    return m_streams.GetList(static_cast<uint32_t>(nList));
}

size_t CIndexBuilder::GetMemoryBytes() const {
    return m_autom.GetMemoryBytes() + m_forms.GetMemoryBytes() + m_streams.GetMemoryBytes() +
           m_articles.capacity() * sizeof(gmd::ArticleRecord) +
           (m_formCounts.capacity() + m_listSizes.capacity() + m_formRefs.capacity() +
            m_wordForms.capacity()) *
               4;
}
