#include "CompileTexts.h"

#include "core/StringTable.h"

std::u16string CompileTimeText(double dSeconds) {
    if (dSeconds < 60.0) return FormatText(u"File compilation time: %.1lf [seconds]", {dSeconds});
    return FormatText(u"File compilation time: %.1lf [minutes]", {dSeconds / 60.0});
}

std::u16string CompileStatisticsText(std::u16string_view strReports, double dSeconds,
                                     int32_t nArticles, int32_t nWords, uint64_t nSourceBytes,
                                     uint64_t nOutputBytes) {
    std::u16string text(strReports);
    text += u"\r\n";
    text += CompileTimeText(dSeconds);
    text += u"\r\n";
    text +=
        FormatText(u"%d articles and %d words processed", {int64_t{nArticles}, int64_t{nWords}});
    text += u"\r\n";
    text +=
        FormatText(u"Source file size: %.3lf [KB]", {static_cast<double>(nSourceBytes) / 1024.0});
    text += u"\r\n";
    text += FormatText(u"File size with index: %.3lf [KB]",
                       {static_cast<double>(nOutputBytes) / 1024.0});
    return text;
}
