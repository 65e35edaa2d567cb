// Recall and precision of the lemmatiser against the gold lists, per
// language, through CLemmatizer as the programs use it.
//   lemmatizer_gold [--verbose] [--gold FOLDER]
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "GoldList.h"
#include "core/Lemmatizer.h"
#include "core/Utf8.h"

namespace {

struct GoldLanguage {
    int nCode;
    const char* pszName;
    const char* pszFile;   // and <name>-heldout.txt, kept out of the rules' tuning
    const char* pszClass;  // <name>-<class>.txt, one class of words, or nullptr
};

constexpr GoldLanguage kLanguages[] = {
    {CLemmatizer::LANG_RUSSIAN, "Russian", "russian", "fleeting"},
    {CLemmatizer::LANG_ENGLISH, "English", "english", nullptr},
    {CLemmatizer::LANG_GERMAN, "German", "german", "foreign"}};

}  // namespace

int main(int argc, char** argv) {
    bool bVerbose = false;
    std::string goldFolder = GLOSS_GOLD_DIR;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--verbose") == 0) {
            bVerbose = true;
        } else if (std::strcmp(argv[i], "--gold") == 0 && i + 1 < argc) {
            goldFolder = argv[++i];
        } else {
            std::fprintf(stderr, "usage: %s [--verbose] [--gold FOLDER]\n", argv[0]);
            return 2;
        }
    }
    CLemmatizer lemmatizer;
    lemmatizer.SetMorphologyRoot(GetProgramFolder());
    int nResult = 0;
    std::printf("%-8s %-9s %6s %8s %10s\n", "language", "list", "forms", "recall", "precision");
    for (const GoldLanguage& language : kLanguages) {
        lemmatizer.EnableLanguage(language.nCode);
        if (!lemmatizer.LoadLanguage(language.nCode)) {
            std::fprintf(stderr, "%s\n", ToUtf8(lemmatizer.GetError()).c_str());
            nResult = 1;
            continue;
        }
        const bool bFoldYo = language.nCode == CLemmatizer::LANG_RUSSIAN;
        CMyArray<std::u16string> lemmas;
        auto lemmatise = [&](const std::u16string& form) {
            lemmatizer.GetWordLemmas(form, language.nCode, lemmas, false);
            return std::vector<std::u16string>(lemmas.begin(), lemmas.end());
        };
        std::vector<std::string> lists = {"", "heldout"};
        if (language.pszClass != nullptr) lists.push_back(language.pszClass);
        for (const std::string& list : lists) {
            const std::string path =
                goldFolder + "/" + language.pszFile + (list.empty() ? "" : "-" + list) + ".txt";
            const auto entries = LoadGoldList(path, bFoldYo);
            if (entries.empty()) {
                std::fprintf(stderr, "%s: no gold list\n", path.c_str());
                nResult = 1;
                continue;
            }
            std::string report;
            const GoldScore score = ScoreGoldList(entries, lemmatise, bFoldYo, &report);
            std::printf("%-8s %-9s %6d %7.1f%% %9.1f%%\n", language.pszName,
                        list.empty()        ? "main"
                        : list == "heldout" ? "held-out"
                                            : list.c_str(),
                        score.nForms, 100.0 * score.Recall(), 100.0 * score.Precision());
            if (bVerbose) std::printf("%s", report.c_str());
        }
    }
    return nResult;
}
