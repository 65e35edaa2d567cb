#include "CommandLineParser.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace {

std::string Quoted(std::string_view text) {
    return "'" + std::string(text) + "'";
}

}  // namespace

std::optional<std::string> CParsedOptions::Value(std::string_view name) const {
    const auto it = m_values.find(name);
    if (it == m_values.end()) return std::nullopt;
    return it->second.empty() ? std::string() : it->second.front();
}

std::optional<std::string> CParsedOptions::SecondValue(std::string_view name) const {
    const auto it = m_values.find(name);
    if (it == m_values.end() || it->second.size() < 2) return std::nullopt;
    return it->second[1];
}

std::vector<std::string> CParsedOptions::Values(std::string_view name) const {
    const auto it = m_values.find(name);
    return it == m_values.end() ? std::vector<std::string>() : it->second;
}

std::optional<CParsedOptions> ParseOptions(std::span<const std::string> args,
                                           std::span<const COptionSpec> specs,
                                           std::string& strError) {
    CParsedOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i] == "-h" ? "--help" : args[i];
        std::optional<std::string> value;
        if (const size_t eq = name.find('='); name.starts_with("--") && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name.resize(eq);
        }
        const auto spec = std::find_if(specs.begin(), specs.end(),
                                       [&](const COptionSpec& s) { return s.strName == name; });
        if (spec == specs.end()) {
            strError = (name.starts_with("-") && name.size() > 1 ? "unknown option "
                                                                 : "unexpected argument ") +
                       Quoted(name);
            return std::nullopt;
        }
        if (options.Has(name) && !spec->bRepeatable) {
            strError = "option " + Quoted(name) + " given more than once";
            return std::nullopt;
        }
        if (spec->nValues == 0 && value) {
            strError = "option " + Quoted(name) + " takes no value";
            return std::nullopt;
        }
        std::vector<std::string> values;
        if (value) values.push_back(std::move(*value));
        while (static_cast<int>(values.size()) < spec->nValues) {
            if (i + 1 >= args.size()) {
                strError = "option " + Quoted(name) +
                           (spec->nValues == 1 ? " needs a value" : " needs two values");
                return std::nullopt;
            }
            values.push_back(args[++i]);
        }
        std::vector<std::string>& kept = options.m_values[std::move(name)];
        kept.insert(kept.end(), values.begin(), values.end());
    }
    return options;
}

std::optional<int> ParseChoice(std::string_view text,
                               std::initializer_list<std::pair<std::string_view, int>> choices) {
    for (const auto& [name, value] : choices)
        if (text == name) return value;
    return std::nullopt;
}

std::optional<int> ParseIntInRange(std::string_view text, int nMin, int nMax) {
    int n = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (ec != std::errc() || end != text.data() + text.size() || n < nMin || n > nMax)
        return std::nullopt;
    return n;
}

std::string BadValueText(std::string_view name, std::string_view value) {
    return "invalid value " + Quoted(value) + " for " + Quoted(name);
}

int ReportUsageError(std::string_view program, std::string_view problem) {
    std::fprintf(stderr, "%.*s: %.*s\nTry '--help'.\n", static_cast<int>(program.size()),
                 program.data(), static_cast<int>(problem.size()), problem.data());
    return EXIT_USAGE;
}
