#include "SourceGenerator.h"

#include <algorithm>
#include <cmath>
#include <fstream>

namespace {

constexpr double kZipfExponent = 1.05;

// Lower-case words only: the capitalised entries of the lists are names and
// abbreviations, which running text uses far less.
bool IsLatinWord(const std::string& w) {
    return !w.empty() &&
           std::all_of(w.begin(), w.end(), [](unsigned char c) { return c >= 'a' && c <= 'z'; });
}

// UTF-8 of the lower-case letters U+0430..U+045F: D0 B0..D0 BF, D1 80..D1 9F.
bool IsCyrillicWord(const std::string& w) {
    if (w.empty() || w.size() % 2 != 0) return false;
    for (size_t i = 0; i < w.size(); i += 2) {
        const unsigned char lead = static_cast<unsigned char>(w[i]);
        const unsigned char cont = static_cast<unsigned char>(w[i + 1]);
        const bool bLower = (lead == 0xD0 && cont >= 0xB0 && cont <= 0xBF) ||
                            (lead == 0xD1 && cont >= 0x80 && cont <= 0x9F);
        if (!bLower) return false;
    }
    return true;
}

}  // namespace

CSourceGenerator::CSourceGenerator(SourceGenOptions options)
    : m_options(std::move(options)), m_rng(m_options.nSeed) {}

bool CSourceGenerator::ReadDic(const std::string& strPath, bool bCyrillic, WordList& list,
                               std::string& strError) {
    std::ifstream in(strPath);
    if (!in) {
        strError = "cannot read the word list " + strPath;
        return false;
    }
    std::string line;
    std::getline(in, line);  // the word count
    while (std::getline(in, line)) {
        std::string word = line.substr(0, line.find_first_of("/\t \r"));
        if (bCyrillic ? IsCyrillicWord(word) : IsLatinWord(word))
            list.words.push_back(std::move(word));
    }
    if (list.words.size() < 1000) {
        strError = "too few words in " + strPath;
        return false;
    }
    return true;
}

bool CSourceGenerator::LoadWords(std::string& strError) {
    if (!ReadDic(m_options.strEnglishDic, false, m_english, strError) ||
        !ReadDic(m_options.strRussianDic, true, m_russian, strError)) {
        return false;
    }
    for (WordList* list : {&m_english, &m_russian}) {
        // Shorter words tend to get the common ranks, as in real text: the
        // rank order is by length plus a random amount.
        std::uniform_real_distribution<double> noise(0.0, 5.0);
        std::vector<std::pair<double, std::string>> keyed;
        keyed.reserve(list->words.size());
        for (std::string& w : list->words) {
            const double dLetters =
                list == &m_russian ? w.size() / 2.0 : static_cast<double>(w.size());
            keyed.emplace_back(std::min(dLetters, 14.0) + noise(m_rng), std::move(w));
        }
        std::sort(keyed.begin(), keyed.end());
        list->words.clear();
        for (auto& [key, w] : keyed)
            list->words.push_back(std::move(w));
        double sum = 0;
        list->cumulative.reserve(list->words.size());
        for (size_t r = 0; r < list->words.size(); ++r) {
            sum += 1.0 / std::pow(static_cast<double>(r + 1), kZipfExponent);
            list->cumulative.push_back(sum);
        }
    }
    return true;
}

const std::string& CSourceGenerator::Pick(const WordList& list) {
    std::uniform_real_distribution<double> u(0.0, list.cumulative.back());
    auto it = std::lower_bound(list.cumulative.begin(), list.cumulative.end(), u(m_rng));
    return list.words[static_cast<size_t>(std::min<std::ptrdiff_t>(
        it - list.cumulative.begin(), static_cast<std::ptrdiff_t>(list.words.size() - 1)))];
}

std::string CSourceGenerator::Sentence(const WordList& list, int nMin, int nMax) {
    std::uniform_int_distribution<int> count(nMin, nMax);
    const int n = count(m_rng);
    std::string s;
    for (int i = 0; i < n; ++i) {
        if (i > 0) s += (m_rng() % 11 == 0) ? ", " : " ";
        s += Pick(list);
    }
    return s;
}

std::string CSourceGenerator::Article() {
    ++m_nArticles;
    std::string a;
    if (m_nArticles % 2000 == 1) {
        // Now and then a group caption, as thematic dictionaries have.
        a = "<h>" + Sentence(m_english, 1, 3) + "</h>";
        return a;
    }
    // Headwords are spread evenly over the whole list.
    std::uniform_int_distribution<size_t> any(0, m_english.words.size() - 1);
    a += m_english.words[any(m_rng)];
    if (m_rng() % 6 == 0) a += " " + Pick(m_english);
    a += " ##:## <b>" + Sentence(m_russian, 1, 2) + "</b>";
    for (int i = static_cast<int>(m_rng() % 3); i > 0; --i)
        a += ", " + Sentence(m_russian, 1, 2);
    if (m_rng() % 3 == 0) a += " <i>(" + Sentence(m_english, 1, 4) + ")</i>";
    const int nExamples = static_cast<int>(m_rng() % 4);
    for (int i = 1; i <= nExamples; ++i) {
        a += "<br>" + std::to_string(i) + ". " + Sentence(m_english, 3, 10) + " &#8212; " +
             Sentence(m_russian, 3, 10);
    }
    if (m_rng() % 10 == 0) a += " <noindex>[" + Sentence(m_english, 1, 3) + "]</noindex>";
    return a;
}

uint64_t CSourceGenerator::Write(std::FILE* pOut) {
    std::string header = "\xEF\xBB\xBF$FILE_TYPE: DICT\r\n$INDEX: BOTH\r\n";
    if (!m_options.strMorph.empty()) header += "$MORPH: " + m_options.strMorph + "\r\n";
    header += "$NAME: Generated English-Russian dictionary\r\n\r\n";
    std::fwrite(header.data(), 1, header.size(), pOut);
    uint64_t nWritten = header.size();
    std::string chunk;
    while (nWritten < m_options.nTargetBytes) {
        chunk.clear();
        while (chunk.size() < (1 << 16)) {
            chunk += Article();
            chunk += "\r\n\r\n";
            if (nWritten + chunk.size() >= m_options.nTargetBytes) break;
        }
        std::fwrite(chunk.data(), 1, chunk.size(), pOut);
        nWritten += chunk.size();
    }
    return nWritten;
}
