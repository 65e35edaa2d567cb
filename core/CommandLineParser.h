// The command-line conventions both programs keep: "--name value" and
// "--name=value" mean the same, an option may be given once unless it is
// repeatable, "-h" is "--help", and a usage error is one line naming the
// problem followed by "Try '--help'." with exit status 2.
#pragma once

#include <initializer_list>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

inline constexpr int EXIT_USAGE = 2;

struct COptionSpec {
    std::string_view strName;  // with the leading "--"
    int nValues = 0;           // the arguments that follow it (0, 1 or 2)
    bool bRepeatable = false;  // may be given more than once, each value kept
};

class CParsedOptions {
public:
    bool Has(std::string_view name) const { return m_values.contains(std::string(name)); }
    // The (first) value given with the option; nothing when it was not
    // given. An option without a value has the empty text.
    std::optional<std::string> Value(std::string_view name) const;
    // The second value of an option that takes two; nothing when not given.
    std::optional<std::string> SecondValue(std::string_view name) const;
    // Every value of a repeatable option, in command-line order.
    std::vector<std::string> Values(std::string_view name) const;

private:
    friend std::optional<CParsedOptions> ParseOptions(std::span<const std::string>,
                                                      std::span<const COptionSpec>, std::string&);
    std::map<std::string, std::vector<std::string>, std::less<>> m_values;
};

// Parses the arguments after the program name against the known options.
// Nothing, with the problem in strError, for an unknown option, a stray
// argument, a repeated option, a missing value or a value given to an
// option that takes none. "--name=value" gives the first of two values.
std::optional<CParsedOptions> ParseOptions(std::span<const std::string> args,
                                           std::span<const COptionSpec> specs,
                                           std::string& strError);

// The value of a choice option: the number paired with text, or nothing.
std::optional<int> ParseChoice(std::string_view text,
                               std::initializer_list<std::pair<std::string_view, int>> choices);
// A whole decimal number within [nMin, nMax], or nothing.
std::optional<int> ParseIntInRange(std::string_view text, int nMin, int nMax);

// The problem with an option's value, as ParseOptions words its own.
std::string BadValueText(std::string_view name, std::string_view value);

// Prints "<program>: <problem>" and "Try '--help'." on stderr and returns
// EXIT_USAGE.
int ReportUsageError(std::string_view program, std::string_view problem);
