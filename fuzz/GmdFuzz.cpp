// Any bytes as a compiled dictionary: ReadDictionary either refuses the file
// with a message or accepts it, and then every walk of the automaton, every
// article record an occurrence names and every text piece either reads or
// reports the file corrupt; nothing reads outside the file, loops or
// allocates by a count taken from the file.
//
// A .gmd file always carries a node table of 65,535 roots (262 KB), mostly
// zeros. So that seeds stay small and mutations land on the meaningful
// bytes, an input that starts with "GMDZ" is expanded first: the byte 0xFE
// followed by a 24-bit little-endian count c stands for c zero bytes (c = 0
// for a literal 0xFE). fuzz/pack_gmd.py packs real files this way.
#include <atomic>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "core/CharTables.h"
#include "dictformat/DictIndexFile.h"
#include "library/DictGroupList.h"
#include "library/DictLibrary.h"
#include "library/DictSearch.h"
#include "render/ResultPage.h"

namespace {

constexpr size_t kMaxExpanded = 1u << 20;
constexpr size_t kMaxForms = 64;
constexpr size_t kMaxOccurrences = 4096;
constexpr int32_t kMaxPiece = 4096;

// Into one buffer kept for the whole run: fresh 262 KB buffers for every
// input would cost more in page faults than the reading under test.
const std::vector<uint8_t>& Expand(FuzzBytes in) {
    static std::vector<uint8_t> out;
    out.clear();
    if (in.size() < 4 || std::memcmp(in.data(), "GMDZ", 4) != 0) {
        out.assign(in.begin(), in.end());
        return out;
    }
    for (size_t i = 4; i < in.size() && out.size() < kMaxExpanded; ++i) {
        if (in[i] != 0xFE || i + 3 >= in.size()) {
            out.push_back(in[i]);
            continue;
        }
        const size_t nZeros = in[i + 1] | (in[i + 2] << 8) | (in[i + 3] << 16);
        i += 3;
        if (nZeros == 0) {
            out.push_back(0xFE);
        } else {
            out.resize(std::min(out.size() + nZeros, kMaxExpanded), 0);
        }
    }
    return out;
}

// Index words of the first part of the text block, upper-cased as the
// search would look them up, and a few fixed ones.
std::vector<std::u16string> FormsToTry(CDictIndexFile& dict) {
    std::vector<std::u16string> forms = {u"A", u"WORD", u"ZOO", u"ДОМ", u"STRASSE", u"1"};
    std::u16string text;
    const uint64_t nLength = dict.GetIndexView().GetTextLength();
    if (!dict.GetText(0, static_cast<int32_t>(std::min<uint64_t>(nLength, kMaxPiece)), text))
        return forms;
    std::u16string word;
    for (char16_t c : text) {
        if (IsWordSymb(c)) {
            word += c;
            continue;
        }
        if (!word.empty() && forms.size() < kMaxForms) {
            ToUpperString(word);
            forms.push_back(word);
        }
        word.clear();
    }
    return forms;
}

void ReadPiece(CDictIndexFile& dict, int32_t nStart, int32_t nEnd, std::u16string_view query) {
    if (nStart < 0 || nEnd < nStart || nEnd - nStart > kMaxPiece) return;
    std::u16string piece;
    if (dict.GetText(nStart, nEnd, piece)) FUZZ_CHECK(piece.size() == size_t(nEnd - nStart));
    bool bEqual = false;
    (void)dict.IsTextEqual(query, nStart, nEnd, bEqual);
}

void Walk(CDictIndexFile& dict) {
    size_t nSeen = 0;
    for (const std::u16string& form : FormsToTry(dict)) {
        const CFormLookup found = dict.LookupForm(form);
        if (found.status == CFormLookup::NOT_FINAL || found.status == CFormLookup::CORRUPT)
            FUZZ_CHECK(!dict.GetError().empty(), form);
        if (found.status != CFormLookup::FOUND) continue;
        for (uint32_t i = 0; i < found.occurrences.size() && nSeen < kMaxOccurrences;
             ++i, ++nSeen) {
            const gmd::OccurrenceRecord occ = found.occurrences[i];
            ReadPiece(dict, static_cast<int32_t>(occ.dwPosition),
                      static_cast<int32_t>(occ.dwPosition + occ.bySpan), form);
            CArticleRead article;
            if (!dict.ReadArticle(occ.dwArticlePos, article)) continue;
            const gmd::ArticleRecord& r = article.record;
            ReadPiece(dict, r.nLeftBeg, r.nLeftEnd, form);
            ReadPiece(dict, r.nRightBeg, r.nRightEnd, form);
        }
    }
}

// Lemmas that exist for no real language but make the search walk lemma
// forms and test the matched text: the word without its last letter.
CLemmaProvider FakeLemmas() {
    CLemmaProvider provider;
    provider.isLanguageEnabled = [](int nLangId) { return nLangId != 0; };
    provider.lemmas = [](std::u16string_view word, int, std::vector<std::u16string>& lemmas) {
        lemmas.emplace_back(word.substr(0, word.size() - 1));
    };
    return provider;
}

// The pages the shell would show, text and spans taken from the file.
void RenderPages(CDictIndexFile& dict, const CDictResults& results, size_t nSalt) {
    CResultPageRenderer renderer(CViewSettings{static_cast<int>(nSalt % 3), 18});
    const ArticleTextReader read = [&dict](int nStart, int nEnd, std::u16string& strText,
                                           std::u16string& strError) {
        if (dict.GetText(nStart, nEnd, strText)) return true;
        strError = dict.GetError();
        return false;
    };
    CResultPageRequest request;
    request.pResults = &results;
    request.nFileType = dict.GetFileType();
    request.nTotal = results.GetTotal();
    request.strDisplayName = u"fuzz";
    request.strProgramFolder = u"/nonexistent";
    for (int nPage : {0, GetPageCount(results.GetTotal()) - 1}) {
        request.nPage = nPage;
        std::u16string strPage;
        if (!renderer.RenderResultPage(request, read, strPage))
            FUZZ_CHECK(!renderer.GetError().empty());
    }
}

// The same file through the library and the search engine, as the shell
// would: single words and pairs of them, with sort mode and area varying.
void Search(const std::vector<std::u16string>& forms, uint32_t nSalt) {
    CDictLibrary library;
    FUZZ_CHECK(library.ScanFolder(ScratchPath("lib")));
    if (library.GetCount() != 1) return;
    CDictGroupList groups(library, FuzzScratchDir() / "DictGroup.none");
    CDictSearch search(FakeLemmas(), groups);
    std::atomic<bool> bCancel{false};
    for (size_t i = 0; i < forms.size() && i < 12; ++i) {
        std::u16string query = forms[i];
        if ((nSalt >> i) & 1 && i + 1 < forms.size()) query += u" " + forms[i + 1];
        const int nSort = static_cast<int>((nSalt + i) % 3);
        const int nArea = static_cast<int>((nSalt / 3 + i) % 3);
        if (!search.SearchText(query, nSort, nArea, bCancel)) {
            // A group without an enabled dictionary fails without a message.
            if (library.GetDictionary(0)->IsValid()) FUZZ_CHECK(!search.GetError().empty(), query);
            continue;
        }
        for (int nPos = 0; nPos < search.GetPositionCount(); ++nPos) {
            const CDictResults* pResults = search.GetResults(nPos);
            FUZZ_CHECK(pResults != nullptr);
            for (int n = 0; n < pResults->GetTotal(); ++n) {
                const CSearchResult* p = pResults->GetResultAt(n);
                FUZZ_CHECK(p != nullptr && p->m_nClass >= 0 && p->m_nClass <= 7);
            }
            if (pResults->GetTotal() > 0) RenderPages(*library.GetDictionary(0), *pResults, i);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t>& bytes = Expand(FuzzBytes(data, size));
    std::filesystem::create_directories(FuzzScratchDir() / "lib");
    const std::u16string path = WriteScratchFile("lib/dict.gmd", bytes);
    CDictIndexFile dict;
    if (!dict.Open(path, CMyFile::MODE_READ | CMyFile::SHARE_DENY_WRITE)) return 0;
    if (!dict.ReadDictionary(2)) {
        FUZZ_CHECK(!dict.GetError().empty());
        return 0;
    }
    FUZZ_CHECK(dict.GetArticleCount() >= 0 && dict.GetWordCount() >= 0);
    for (const uint16_t nKey : dict.GetTextKeys())
        FUZZ_CHECK(nKey != 0);
    for (int i = 0; i < dict.GetMorphDescrCount(); ++i) {
        const auto descr = dict.GetMorphDescr(i);
        FUZZ_CHECK(!descr.strName.empty());
    }
    Walk(dict);
    uint32_t nSalt = 0;
    for (size_t i = 0; i < size && i < 64; ++i)
        nSalt = nSalt * 131 + data[size - 1 - i];
    Search(FormsToTry(dict), nSalt);
    return 0;
}
