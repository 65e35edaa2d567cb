#include "shell/WindowCommandLine.h"

#include "core/Utf8.h"

namespace {

bool IsOption(const std::string& arg, std::string_view name) {
    return arg == name ||
           (arg.starts_with(name) && arg.size() > name.size() && arg[name.size()] == '=');
}

}  // namespace

bool IsHeadlessRequest(const std::vector<std::string>& args) {
    for (const std::string& arg : args) {
        if (arg == "--") return false;
        for (std::string_view name :
             {"--search", "--batch", "--prefix", "--list", "--help", "--version"})
            if (IsOption(arg, name)) return true;
        if (arg == "-h") return true;
    }
    return false;
}

std::optional<CWindowCommandLine> ParseWindowCommandLine(const std::vector<std::string>& args,
                                                         std::string& strError) {
    CWindowCommandLine line;
    std::vector<std::string> words;
    bool bOptions = true;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (bOptions && arg == "--") {
            bOptions = false;
        } else if (bOptions && arg.starts_with("--home=")) {
            line.strHome = FromUtf8(arg.substr(7));
        } else if (bOptions && arg == "--home") {
            if (i + 1 >= args.size()) {
                strError = "--home needs a value";
                return std::nullopt;
            }
            line.strHome = FromUtf8(args[++i]);
        } else if (bOptions && arg.starts_with("-") && arg.size() > 1) {
            strError = "unknown option " + arg;
            return std::nullopt;
        } else {
            words.push_back(arg);
        }
    }
    for (const std::string& word : words) {
        if (!line.strQuery.empty()) line.strQuery += u' ';
        line.strQuery += FromUtf8(word);
    }
    return line;
}
