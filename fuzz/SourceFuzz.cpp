// Any bytes as a dictionary source, cut with random separator settings,
// through the separator checks, the header reader and the check pass: each
// either succeeds or fails with a message on a line of the file.
//
// The settings come from a first line "#SEP type<TAB>articles<TAB>parts"
// (as typed into the settings, backslash escapes included) when the input
// has one; otherwise they are drawn from the input's bytes, so that every
// seed is cut several ways as it mutates.
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "SourceSettings.h"
#include "compiler/ArticlePass.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const FuzzSource input = SplitFuzzSource(FuzzBytes(data, size));
    CSeparatorSettings settings;
    std::u16string strError;
    if (!DecodeSeparatorSettings(input.separators, settings, strError)) {
        FUZZ_CHECK(!strError.empty());
        return 0;
    }
    const std::u16string path = WriteScratchFile("source.txt", input.source);
    const ArticlePassResult result = CheckSourceFile(path, settings);
    if (result.nOutcome == ArticlePassResult::FAILED) {
        FUZZ_CHECK(!result.strError.empty());
        FUZZ_CHECK(result.nLine >= 0);
    } else {
        FUZZ_CHECK(result.nOutcome == ArticlePassResult::DONE);
        FUZZ_CHECK(result.nArticles >= 0 && result.nWords >= 0);
    }
    return 0;
}
