#include "GoldList.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "core/CharTables.h"
#include "core/Utf8.h"

namespace {

std::u16string Normalised(const std::string& utf8, bool bFoldYo) {
    std::u16string text = FromUtf8(utf8);
    ToUpperString(text);
    if (bFoldYo) std::replace(text.begin(), text.end(), u'Ё', u'Е');
    return text;
}

std::vector<std::u16string> SplitList(const std::string& column, bool bFoldYo) {
    std::vector<std::u16string> items;
    std::istringstream parts(column);
    std::string item;
    while (std::getline(parts, item, ',')) {
        if (!item.empty()) items.push_back(Normalised(item, bFoldYo));
    }
    return items;
}

bool Contains(const std::vector<std::u16string>& items, const std::u16string& item) {
    return std::find(items.begin(), items.end(), item) != items.end();
}

}  // namespace

std::vector<GoldEntry> LoadGoldList(const std::string& path, bool bFoldYo) {
    std::vector<GoldEntry> entries;
    std::ifstream file(path);
    std::string line;
    while (std::getline(file, line)) {
        std::istringstream columns(line.substr(0, line.find('#')));
        std::string form, lemmas, others;
        if (!(columns >> form >> lemmas)) continue;
        columns >> others;
        GoldEntry entry;
        entry.form = FromUtf8(form);
        ToUpperString(entry.form);
        entry.lemmas = SplitList(lemmas, bFoldYo);
        entry.others = SplitList(others, bFoldYo);
        entries.push_back(std::move(entry));
    }
    return entries;
}

GoldScore ScoreGoldList(const std::vector<GoldEntry>& entries, const LemmaFunction& lemmatise,
                        bool bFoldYo, std::string* pReport) {
    GoldScore score;
    for (const GoldEntry& entry : entries) {
        std::vector<std::u16string> given = lemmatise(entry.form);
        if (bFoldYo) {
            for (std::u16string& lemma : given)
                std::replace(lemma.begin(), lemma.end(), u'Ё', u'Е');
        }
        ++score.nForms;
        std::string missing, wrong;
        for (const std::u16string& lemma : entry.lemmas) {
            ++score.nRequired;
            if (Contains(given, lemma))
                ++score.nFound;
            else
                missing += " " + ToUtf8(lemma);
        }
        for (const std::u16string& lemma : given) {
            ++score.nGiven;
            if (Contains(entry.lemmas, lemma) || Contains(entry.others, lemma))
                ++score.nCorrect;
            else
                wrong += " " + ToUtf8(lemma);
        }
        if (pReport != nullptr && (!missing.empty() || !wrong.empty())) {
            *pReport += ToUtf8(entry.form) + ": missing" + (missing.empty() ? " -" : missing) +
                        "; wrong" + (wrong.empty() ? " -" : wrong) + "\n";
        }
    }
    return score;
}
