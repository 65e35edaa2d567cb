#include "SourceModel.h"

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <set>
#include <string_view>

#include "core/CharTables.h"

namespace {

std::u16string Upper(std::u16string text) {
    ToUpperString(text);
    return text;
}

// Letters of the scripts the words are drawn from; each is checked to be a
// word character that is not an ideograph, so the model cuts as the
// compiler does.
std::vector<std::u16string> Alphabets() {
    std::vector<std::u16string> scripts(3);
    for (char16_t c = u'a'; c <= u'z'; ++c)
        scripts[0] += c;
    scripts[0] += u"éöüñ";
    for (char16_t c = u'а'; c <= u'я'; ++c)
        scripts[1] += c;
    scripts[1] += u'ё';
    for (char16_t c = u'α'; c <= u'ω'; ++c) {
        if (c != u'ς') scripts[2] += c;
    }
    for (auto& script : scripts) {
        std::erase_if(script, [](char16_t c) { return !IsWordSymb(c) || IsIdeogramSymb(c); });
    }
    return scripts;
}

class CGenerator {
public:
    explicit CGenerator(uint32_t nSeed) : m_rnd(nSeed) {}

    ModelSource Run();

private:
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rnd); }
    bool Chance(int nPercent) { return Pick(100) < nPercent; }

    void MakeVocabularies();
    std::u16string RandomWord();
    // Writes the word with one of the spellings the compiler must see
    // through: plain, a letter as a numeric reference, markup around it
    // or inside it.
    void WriteWord(std::u16string_view word);
    void WriteGap();
    void WriteHidden();
    // An indexed part (words into part) or a part nothing in is indexed.
    void WritePart(ModelPart* pPart, int nWords);
    void WriteArticle();
    void WriteHeader();

    std::mt19937 m_rnd;
    ModelSource m_src;
    std::u16string m_eol;
    std::vector<std::u16string> m_alphabets;
    std::vector<std::u16string> m_vocab;   // indexed words, lower case
    std::vector<std::u16string> m_hidden;  // never indexed, lower case
    std::set<std::u16string> m_upperSeen;
};

std::u16string CGenerator::RandomWord() {
    if (Chance(8)) return std::u16string(1, static_cast<char16_t>(0x4E00 + Pick(400)));
    const std::u16string& script = m_alphabets[Pick(static_cast<int>(m_alphabets.size()))];
    std::u16string word;
    const int nLength = 2 + Pick(7);
    for (int i = 0; i < nLength; ++i)
        word += script[Pick(static_cast<int>(script.size()))];
    return word;
}

void CGenerator::MakeVocabularies() {
    m_alphabets = Alphabets();
    while (m_vocab.size() < 60 || m_hidden.size() < 20) {
        std::u16string word = RandomWord();
        if (!m_upperSeen.insert(Upper(word)).second) continue;
        const bool bIdeograph = word.size() == 1;
        // Hidden words are checked one by one: ideographs would be cut
        // from their neighbours in a query anyway, so keep them indexed.
        if (m_hidden.size() < 20 && !bIdeograph && Chance(30)) {
            m_hidden.push_back(word);
            m_src.hiddenWords.push_back(Upper(word));
        } else if (m_vocab.size() < 60) {
            m_vocab.push_back(word);
        }
    }
}

void CGenerator::WriteWord(std::u16string_view word) {
    std::u16string& t = m_src.text;
    const int nStyle = Pick(10);
    if (word.size() == 1 || nStyle < 6) {
        t += word;
    } else if (nStyle == 6) {
        const size_t i = static_cast<size_t>(Pick(static_cast<int>(word.size())));
        std::string ref =
            Chance(50) ? "&#" + std::to_string(static_cast<int>(word[i])) + ";" : "&#x" + [&] {
                char buf[8];
                std::snprintf(buf, sizeof buf, "%X", word[i]);
                return std::string(buf);
            }() + ";";
        t += word.substr(0, i);
        t += std::u16string(ref.begin(), ref.end());
        t += word.substr(i + 1);
    } else if (nStyle == 7) {
        t += u"<b>";
        t += word;
        t += u"</b>";
    } else if (nStyle == 8) {
        const size_t i = 1 + static_cast<size_t>(Pick(static_cast<int>(word.size()) - 1));
        t += word.substr(0, i);
        t += u"<span class=\"x\">";
        t += word.substr(i);
        t += u"</span>";
    } else {
        t += Upper(std::u16string(word.substr(0, 1)));
        t += word.substr(1);
    }
}

void CGenerator::WriteGap() {
    static constexpr std::u16string_view kGaps[] = {u" ",    u", ", u"; ", u" <br>",
                                                    u"<br>", u" (", u") "};
    if (m_src.nSepType != 1 && Chance(10)) {
        m_src.text += m_eol;
        return;
    }
    m_src.text += kGaps[Pick(static_cast<int>(std::size(kGaps)))];
}

void CGenerator::WriteHidden() {
    const bool bComment = Chance(50);
    m_src.text += bComment ? u"<i>" : u"<noindex>";
    const int n = 1 + Pick(3);
    for (int i = 0; i < n; ++i) {
        if (i > 0) m_src.text += u' ';
        m_src.text += m_hidden[Pick(static_cast<int>(m_hidden.size()))];
    }
    m_src.text += bComment ? u"</i>" : u"</noindex>";
}

void CGenerator::WritePart(ModelPart* pPart, int nWords) {
    for (int i = 0; i < nWords; ++i) {
        if (i > 0) WriteGap();
        if (i > 0 && Chance(15)) {
            WriteHidden();
            WriteGap();
        }
        if (!pPart) {
            WriteWord(m_hidden[Pick(static_cast<int>(m_hidden.size()))]);
            continue;
        }
        const std::u16string& word = m_vocab[Pick(static_cast<int>(m_vocab.size()))];
        WriteWord(word);
        pPart->words.push_back(Upper(word));
    }
}

void CGenerator::WriteArticle() {
    ModelArticle article;
    article.nBegin = static_cast<int32_t>(m_src.text.size());
    if (Chance(8)) {
        article.bCaption = true;
        m_src.text += u"<h>";
        WritePart(nullptr, 1 + Pick(3));
        m_src.text += u"</h>";
        m_src.articles.push_back(article);
        return;
    }
    const bool bLeftIndexed = m_src.nIndexArea != 2;
    const bool bRightIndexed = m_src.nIndexArea != 1;
    ModelPart left;
    WritePart(bLeftIndexed ? &left : nullptr, 1 + Pick(4));
    if (bLeftIndexed) article.parts.push_back(left);
    if (Chance(80)) {
        m_src.text += m_src.strPartsSep;
        ModelPart right;
        right.bRight = true;
        WritePart(bRightIndexed ? &right : nullptr, 1 + Pick(6));
        if (bRightIndexed) article.parts.push_back(right);
    }
    m_src.articles.push_back(article);
}

void CGenerator::WriteHeader() {
    static constexpr std::u16string_view kAreas[] = {u"LEFT", u"RIGHT", u"BOTH"};
    std::u16string& t = m_src.text;
    t += Chance(50) ? u"$FILE_TYPE: DICT" : u"$file_type: partext";
    t += m_eol;
    t += u"$INDEX: ";
    t += kAreas[m_src.nIndexArea - 1];
    t += m_eol;
    t += u"$NAME: Generated";
    t += m_eol;
    if (m_src.nSepType == 2) t += m_eol;
}

ModelSource CGenerator::Run() {
    m_eol = Chance(50) ? u"\n" : u"\r\n";
    m_src.nSepType = 1 + Pick(3);
    m_src.nIndexArea = 1 + Pick(3);
    if (m_src.nIndexArea != 3 && Chance(50)) m_src.nIndexArea = 3;
    static constexpr std::u16string_view kPartsSeps[] = {u" ##:## ", u" = ", u"|", u"\t"};
    m_src.strPartsSep = kPartsSeps[Pick(static_cast<int>(std::size(kPartsSeps)))];
    m_src.strArticlesSep = u"%%";
    MakeVocabularies();
    WriteHeader();
    const int nArticles = 20 + Pick(40);
    for (int i = 0; i < nArticles; ++i) {
        if (i > 0) {
            if (m_src.nSepType == 1) m_src.text += m_eol;
            if (m_src.nSepType == 2) m_src.text += m_eol + m_eol;
            if (m_src.nSepType == 3) m_src.text += m_src.strArticlesSep;
        }
        WriteArticle();
    }
    m_src.text += m_eol;
    return m_src;
}

}  // namespace

ModelSource GenerateSource(uint32_t nSeed) {
    return CGenerator(nSeed).Run();
}

int ExpectedClass(const ModelArticle& a, const std::vector<std::u16string>& q) {
    int nBest = -1;
    for (const ModelPart& part : a.parts) {
        const auto& w = part.words;
        if (q.empty() || w.size() < q.size()) continue;
        for (size_t i = 0; i + q.size() <= w.size(); ++i) {
            if (!std::equal(q.begin(), q.end(), w.begin() + static_cast<std::ptrdiff_t>(i)))
                continue;
            const bool bWhole = i == 0 && i + q.size() == w.size();
            const int nClass = (bWhole ? 0 : 1) | (part.bRight ? 4 : 0);
            if (nBest < 0 || nClass < nBest) nBest = nClass;
        }
    }
    return nBest;
}
