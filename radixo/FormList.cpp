#include "FormList.h"

#include <algorithm>
#include <fstream>

#include "LetterCase.h"
#include "core/Utf8.h"

namespace {

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\r';
}

std::vector<std::u16string_view> SplitWords(std::u16string_view text) {
    std::vector<std::u16string_view> words;
    size_t nPos = 0;
    while (nPos < text.size()) {
        while (nPos < text.size() && IsBlank(text[nPos]))
            ++nPos;
        const size_t nStart = nPos;
        while (nPos < text.size() && !IsBlank(text[nPos]))
            ++nPos;
        if (nPos > nStart) words.push_back(text.substr(nStart, nPos - nStart));
    }
    return words;
}

}  // namespace

std::vector<std::u16string> ExpandBraces(std::u16string_view form) {
    const size_t nOpen = form.find(u'{');
    const size_t nClose = nOpen == std::u16string_view::npos ? nOpen : form.find(u'}', nOpen);
    if (nClose == std::u16string_view::npos) return {std::u16string(form)};
    const std::u16string_view head = form.substr(0, nOpen);
    const std::u16string_view group = form.substr(nOpen + 1, nClose - nOpen - 1);
    const std::vector<std::u16string> tails = ExpandBraces(form.substr(nClose + 1));
    std::vector<std::u16string> result;
    size_t nPos = 0;
    while (true) {
        const size_t nComma = std::min(group.find(u',', nPos), group.size());
        for (const std::u16string& tail : tails) {
            result.push_back(std::u16string(head) +
                             std::u16string(group.substr(nPos, nComma - nPos)) + tail);
        }
        if (nComma == group.size()) break;
        nPos = nComma + 1;
    }
    return result;
}

bool CFormList::Load(const std::string& path, bool bFoldYo) {
    m_forms.clear();
    m_bFoldYo = bFoldYo;
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    std::string line;
    while (std::getline(file, line)) {
        std::u16string text = FromUtf8(line);
        text = text.substr(0, text.find(u'#'));
        const std::vector<std::u16string_view> words = SplitWords(text);
        if (words.empty()) continue;
        const size_t nColon = text.find(u':');
        if (nColon == std::u16string::npos) return false;
        const std::vector<std::u16string_view> lemmaWords =
            SplitWords(std::u16string_view(text).substr(0, nColon));
        if (lemmaWords.size() != 1) return false;
        const std::u16string lemma(lemmaWords[0]);
        AddForm(lemma, lemma);
        for (std::u16string_view form : SplitWords(std::u16string_view(text).substr(nColon + 1))) {
            for (const std::u16string& spelling : ExpandBraces(form))
                AddForm(spelling, lemma);
        }
    }
    return true;
}

std::u16string CFormList::Key(std::u16string_view form) const {
    std::u16string key = ToLowerText(form);
    return m_bFoldYo ? FoldYo(key) : key;
}

void CFormList::AddForm(std::u16string_view form, const std::u16string& lemma) {
    if (form.empty()) return;
    std::vector<std::u16string>& lemmas = m_forms[Key(form)];
    if (std::find(lemmas.begin(), lemmas.end(), lemma) == lemmas.end()) lemmas.push_back(lemma);
}

const std::vector<std::u16string>* CFormList::Find(std::u16string_view form) const {
    const auto it = m_forms.find(Key(form));
    return it == m_forms.end() ? nullptr : &it->second;
}
