// Builds the lemma table of a language's data folder: every word the
// module's dictionaries know, with the answer of the live analysis.
//   lemma_table LANGUAGE DATA_FOLDER
// Writes the file morph.conf names as "table". Exit status 0 on success.
#include <cstdio>
#include <string>

#include "radixo/MorphModule.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s LANGUAGE DATA_FOLDER\n", argv[0]);
        return 2;
    }
    const int nLang = std::atoi(argv[1]);
    std::string folder = argv[2];
    if (!folder.empty() && folder.back() != '/') folder += '/';
    std::unique_ptr<CMorphModule> pModule = CMorphModule::Create(nLang);
    if (!pModule || !pModule->Load(folder) || !pModule->EnsureLive()) {
        std::fprintf(stderr, "%s: the module of language %d does not load\n", folder.c_str(),
                     nLang);
        return 1;
    }
    const auto path = pModule->TablePath();
    if (!path) {
        std::fprintf(stderr, "%s: morph.conf names no table\n", folder.c_str());
        return 1;
    }
    LemmaAnswers answers;
    for (const std::u16string& word : pModule->TableWords()) {
        const std::string key = pModule->TableKey(word);
        if (!key.empty() && !answers.contains(key)) answers[key] = pModule->LiveLemmas(key);
    }
    if (!WriteLemmaTable(*path, nLang, StampFiles(pModule->SourceFiles()), answers,
                         pModule->ClosedLetters())) {
        std::fprintf(stderr, "%s: cannot be written\n", path->c_str());
        return 1;
    }
    return 0;
}
