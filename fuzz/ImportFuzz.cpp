#include "ImportFuzz.h"

#include <filesystem>

#include "compiler/ArticlePass.h"
#include "core/Utf8.h"

namespace {

constexpr std::string_view kFileMark = "\n=====\n";

CSeparatorSettings SettingsOf(uint8_t byte) {
    switch (byte % 4) {
        case 1:
            return {ARTICLES_SEP_LINE, u"", u"##:##"};
        case 2:
            return {ARTICLES_SEP_OTHER, u"@@", u"|"};
        case 3:
            return {ARTICLES_SEP_OTHER, u"\n--\n", u"=>"};
        default:
            return {};
    }
}

}  // namespace

ImportFuzzInput SplitImportFuzzInput(FuzzBytes bytes) {
    ImportFuzzInput input;
    if (bytes.empty()) return input;
    input.separators = SettingsOf(bytes[0]);
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()) + 1, bytes.size() - 1);
    size_t pos = 0;
    while (true) {
        const size_t mark = text.find(kFileMark, pos);
        const size_t end = mark == std::string_view::npos ? text.size() : mark;
        input.files.push_back(bytes.subspan(1 + pos, end - pos));
        if (mark == std::string_view::npos) break;
        pos = mark + kFileMark.size();
    }
    return input;
}

void CheckImport(ImportFormat format, std::string_view input,
                 const CSeparatorSettings& separators) {
    const std::filesystem::path output = FuzzScratchDir() / "source.txt";
    std::error_code ec;
    std::filesystem::remove(output, ec);
    int nArticles = 0;
    std::u16string strError;
    const bool bOk = ImportDictionary(format, FuzzScratchDir() / std::string(input), output,
                                      {u"", u"", separators}, nArticles, strError);
    if (!bOk) {
        FUZZ_CHECK(strError.starts_with(FromUtf8(FuzzScratchDir().string())), strError);
        FUZZ_CHECK(!std::filesystem::exists(output, ec));
        return;
    }
    const ArticlePassResult result = CheckSourceFile(FromUtf8(output.string()), separators);
    FUZZ_CHECK(result.nOutcome == ArticlePassResult::DONE, result.strError);
    FUZZ_CHECK(result.nArticles == nArticles);
}
