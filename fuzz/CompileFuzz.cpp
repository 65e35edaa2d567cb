// Any bytes as a source, with random separator settings, through a whole
// compile run into a scratch folder, and the result back through the reader
// and the search. The run must fail exactly when the check pass fails, on
// the same line; a run that succeeds must leave a file the reader accepts,
// with the counts the check pass saw; a failed run must leave no file.
#include <atomic>
#include <cstdint>
#include <filesystem>
#include <string>

#include "FuzzSupport.h"
#include "SourceSettings.h"
#include "compiler/ArticlePass.h"
#include "compiler/DictCompiler.h"
#include "dictformat/DictIndexFile.h"
#include "library/DictGroupList.h"
#include "library/DictLibrary.h"
#include "library/DictSearch.h"

namespace {

const std::u16string& MappingFile() {
    static const std::u16string s_path = [] {
        const std::string map = "\xC3\x9F ss\n\xD1\x91 \xD0\xB5\n\xC3\xA9 e\n";
        return WriteScratchFile(
            "map.txt", FuzzBytes(reinterpret_cast<const uint8_t*>(map.data()), map.size()));
    }();
    return s_path;
}

void SearchOutput(const std::filesystem::path& folder, const FuzzSource& input) {
    CDictLibrary library;
    FUZZ_CHECK(library.ScanFolder(folder.u16string()));
    FUZZ_CHECK(library.GetCount() == 1);
    FUZZ_CHECK(library.GetDictionary(0)->IsValid(), library.GetLoadMessages());
    CDictGroupList groups(library, FuzzScratchDir() / "DictGroup.none");
    CDictSearch search(CLemmaProvider{}, groups);
    std::atomic<bool> bCancel{false};
    // A few queries cut from the source itself.
    const std::u16string text =
        BytesToUnits(input.source.first(std::min<size_t>(input.source.size(), 200)));
    for (size_t nStart = 0; nStart < text.size(); nStart += 40) {
        const std::u16string query = text.substr(nStart, 12);
        FUZZ_CHECK(search.SearchText(query, static_cast<int>(nStart % 3), 0, bCancel),
                   search.GetError());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const FuzzSource input = SplitFuzzSource(FuzzBytes(data, size));
    CSeparatorSettings settings;
    std::u16string strError;
    if (!DecodeSeparatorSettings(input.separators, settings, strError)) return 0;
    const std::u16string source = WriteScratchFile("source.txt", input.source);
    const ArticlePassResult check = CheckSourceFile(source, settings);

    const std::filesystem::path folder = FuzzScratchDir() / "out";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const std::filesystem::path output = folder / "dict.gmd";
    CDictCompiler compiler;
    compiler.SetSeparators(settings);
    compiler.SetLowerPriority(false);
    compiler.SetAskContinue([](const std::u16string&) { return true; });
    const bool bMap = size % 2 == 1;
    if (!compiler.StartCompile(source, output.u16string(), bMap ? MappingFile() : u"")) {
        // Only opening the source can fail here, and the check pass had the
        // same trouble.
        FUZZ_CHECK(check.nOutcome == ArticlePassResult::FAILED, compiler.GetError());
        FUZZ_CHECK(!std::filesystem::exists(output));
        return 0;
    }
    compiler.Wait();
    if (check.nOutcome == ArticlePassResult::FAILED) {
        FUZZ_CHECK(compiler.HasError(), check.strError);
        FUZZ_CHECK(compiler.GetError() == check.strError,
                   compiler.GetError() + u"\n--\n" + check.strError);
        FUZZ_CHECK(std::filesystem::is_empty(folder));
        return 0;
    }
    FUZZ_CHECK(!compiler.HasError(), compiler.GetError());
    CDictIndexFile dict;
    FUZZ_CHECK(dict.Open(output.u16string(), CMyFile::MODE_READ));
    FUZZ_CHECK(dict.ReadDictionary(2), dict.GetError());
    FUZZ_CHECK(dict.GetArticleCount() == check.nArticles);
    FUZZ_CHECK(dict.GetWordCount() == check.nWords);
    dict.Close();
    SearchOutput(folder, input);
    return 0;
}
