#include "SourceSettings.h"

#include <array>
#include <cstring>
#include <string_view>

#include "core/Utf8.h"

namespace {

constexpr std::string_view kPrefix = "#SEP ";

FuzzSource Drawn(FuzzBytes input) {
    static constexpr std::array<std::u16string_view, 4> kArticleSeps = {u"%%", u"\\n---\\n", u"@@",
                                                                        u"\\r\\n\\r\\n"};
    static constexpr std::array<std::u16string_view, 5> kPartsSeps = {u"##:##", u" = ", u"\\t",
                                                                      u"|", u"--"};
    uint32_t nSum = 0;
    for (uint8_t b : input)
        nSum = nSum * 31 + b;
    FuzzSource out;
    out.source = input;
    out.separators.nType = static_cast<int32_t>(1 + nSum % 3);
    out.separators.strArticlesSep = kArticleSeps[(nSum / 3) % kArticleSeps.size()];
    // The default parts separator half of the time: most seeds are written
    // with it.
    const uint32_t nParts = (nSum / 12) % (2 * kPartsSeps.size());
    out.separators.strPartsSep =
        kPartsSeps[nParts < kPartsSeps.size() ? 0 : nParts - kPartsSeps.size()];
    return out;
}

}  // namespace

FuzzSource SplitFuzzSource(FuzzBytes input) {
    const std::string_view text(reinterpret_cast<const char*>(input.data()), input.size());
    if (!text.starts_with(kPrefix)) return Drawn(input);
    const size_t nEnd = text.find('\n');
    if (nEnd == std::string_view::npos) return Drawn(input);
    const std::string_view line = text.substr(kPrefix.size(), nEnd - kPrefix.size());
    const size_t nTab1 = line.find('\t');
    const size_t nTab2 = nTab1 == std::string_view::npos ? nTab1 : line.find('\t', nTab1 + 1);
    if (nTab2 == std::string_view::npos || nTab1 == 0) return Drawn(input);
    FuzzSource out;
    out.separators.nType = line[0] - '0';
    out.separators.strArticlesSep = FromUtf8(line.substr(nTab1 + 1, nTab2 - nTab1 - 1));
    out.separators.strPartsSep = FromUtf8(line.substr(nTab2 + 1));
    out.source = input.subspan(nEnd + 1);
    return out;
}
