// The texts a compile run shows: its phases, its outcome and its statistics.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

inline constexpr char16_t kStatusInitializing[] = u"Initializing";
inline constexpr char16_t kStatusLoadingLemmatizers[] = u"Loading lemmatizers";
inline constexpr char16_t kStatusChecking[] = u"Checking source file syntax";
inline constexpr char16_t kStatusProcessing[] = u"Processing source file";
inline constexpr char16_t kStatusIndexing[] = u"Indexing in progress";
inline constexpr char16_t kIndexingAbortedText[] = u"Indexing aborted";
inline constexpr char16_t kContinueIndexingText[] = u"Continue indexing?";
inline constexpr char16_t kErrorCreatingIndexText[] = u"Error creating index file";

// "File compilation time: %.1lf [seconds]", or in minutes from 60 seconds on.
std::u16string CompileTimeText(double dSeconds);

// The statistics of a finished run: the load reports of the morphology
// modules, the time, the counts and both file sizes, one per line.
std::u16string CompileStatisticsText(std::u16string_view strReports, double dSeconds,
                                     int32_t nArticles, int32_t nWords, uint64_t nSourceBytes,
                                     uint64_t nOutputBytes);
