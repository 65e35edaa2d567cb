// Reading side of CDictIndexFile: text pieces, records and the automaton.
#include "ArticleText.h"
#include "DictIndexFile.h"
#include "core/CharTables.h"
#include "core/StringTable.h"
#include "core/TextIds.h"

bool CDictIndexFile::GetText(int32_t nStart, int32_t nEnd, std::u16string& text) {
    if (!m_indexView.GetText(nStart, nEnd, text)) {
        SetError(u"GetText error");
        return false;
    }
    return CheckReadFault();
}

bool CDictIndexFile::IsTextEqual(std::u16string_view query, int32_t nStart, int32_t nEnd,
                                 bool& bEqual) {
    bEqual = false;
    std::u16string piece;
    if (!GetText(nStart, nEnd, piece)) return false;
    std::u16string plain;
    bEqual = MakePlainText(piece, plain) && IsEqualNoCase(plain, query);
    return true;
}

bool CDictIndexFile::ReadArticle(uint32_t nPos, CArticleRead& article) {
    const auto read = m_indexView.ReadArticle(nPos);
    if (!read) {
        SetError(FormatTextId(IDS_SEARCH_ERROR, {GetFileName()}));
        return false;
    }
    article = *read;
    return true;
}

CFormLookup CDictIndexFile::LookupForm(std::u16string_view form) {
    CFormLookup result = m_indexView.LookupForm(form);
    if (result.status == CFormLookup::NOT_FINAL) {
        SetError(FormatTextId(IDS_AUTOMATON_ERROR, {GetFileName()}) + u"\r\n" +
                 FormatTextId(IDS_END_NODE_NOT_FINAL));
    } else if (result.status == CFormLookup::CORRUPT) {
        SetError(FormatTextId(IDS_AUTOMATON_ERROR, {GetFileName()}));
    }
    return result;
}

bool CDictIndexFile::FindFormsWithPrefix(std::u16string_view prefix, size_t nMax,
                                         std::vector<CIndexWord>& words) {
    if (::FindFormsWithPrefix(m_indexView, prefix, nMax, words) != GmdStep::CORRUPT)
        return CheckReadFault();
    SetError(FormatTextId(IDS_AUTOMATON_ERROR, {GetFileName()}));
    return false;
}

bool CDictIndexFile::FindFormsOneEditAway(std::u16string_view word,
                                          std::vector<CIndexWord>& words) {
    if (::FindFormsOneEditAway(m_indexView, word, words) != GmdStep::CORRUPT)
        return CheckReadFault();
    SetError(FormatTextId(IDS_AUTOMATON_ERROR, {GetFileName()}));
    return false;
}
