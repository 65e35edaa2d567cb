#include "shell/LookupOptions.h"

#include <charconv>
#include <utility>

#include "core/Utf8.h"

namespace {

std::optional<int> ParseInt(const std::string& text, int nMin, int nMax) {
    int n = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (ec != std::errc() || end != text.data() + text.size() || n < nMin || n > nMax)
        return std::nullopt;
    return n;
}

std::optional<int> ParseChoice(const std::string& text,
                               std::initializer_list<std::pair<const char*, int>> choices) {
    for (const auto& [name, value] : choices)
        if (text == name) return value;
    return std::nullopt;
}

}  // namespace

std::optional<CLookupOptions> ParseLookupOptions(const std::vector<std::string>& args,
                                                 std::string& strError) {
    CLookupOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            options.bHelp = true;
            continue;
        }
        if (arg == "--version") {
            options.bVersion = true;
            continue;
        }
        if (i + 1 >= args.size()) {
            strError = arg.starts_with("--") ? arg + " needs a value" : "unknown argument " + arg;
            return std::nullopt;
        }
        const std::string& value = args[++i];
        std::optional<int> n;
        if (arg == "--search") {
            options.query = FromUtf8(value);
        } else if (arg == "--home") {
            options.strHome = FromUtf8(value);
        } else if (arg == "--group") {
            options.group = FromUtf8(value);
        } else if (arg == "--batch") {
            options.batchFile = value;
        } else if (arg == "--area" &&
                   (n = ParseChoice(value, {{"everywhere", 0}, {"left", 1}, {"right", 2}}))) {
            options.nArea = *n;
        } else if (arg == "--sort" &&
                   (n = ParseChoice(value, {{"none", 0}, {"alphabet", 1}, {"relevance", 2}}))) {
            options.nSortMode = *n;
        } else if (arg == "--format" &&
                   (n = ParseChoice(value, {{"text", 0}, {"html", 1}, {"json", 2}}))) {
            options.format = static_cast<OutputFormat>(*n);
        } else if (arg == "--layout" && (n = ParseInt(value, 0, 2))) {
            options.nLayout = *n;
        } else if (arg == "--font-size" && (n = ParseInt(value, 6, 48))) {
            options.nFontSize = *n;
        } else if (arg == "--page" && (n = ParseInt(value, 1, 100000000))) {
            options.nPage = *n;
        } else {
            const bool bKnown = arg == "--area" || arg == "--sort" || arg == "--format" ||
                                arg == "--layout" || arg == "--font-size" || arg == "--page";
            strError = bKnown ? "bad value for " + arg + ": " + value : "unknown option " + arg;
            return std::nullopt;
        }
    }
    if (!options.bHelp && !options.bVersion && !options.query && !options.batchFile) {
        strError = "nothing to do: give --search TEXT or --batch FILE";
        return std::nullopt;
    }
    return options;
}

std::string LookupUsage() {
    return "Usage: glossmere --search TEXT [options]\n"
           "       glossmere --batch FILE [options]\n"
           "       glossmere [--home DIR] [WORDS...]\n"
           "Looks a word or a phrase up in the enabled dictionaries of a group. The\n"
           "last form opens the window and searches the words at once; a window\n"
           "already open comes to the front and searches them.\n"
           "\n"
           "  --search TEXT       the word or phrase to find\n"
           "  --home DIR          folder holding \"Dictionaries\" and \"DictGroup.bin\"\n"
           "                      (default: the user's folders, see the man page)\n"
           "  --group NAME        search this group instead of the current one\n"
           "  --area A            everywhere (default), left or right\n"
           "  --sort S            none (default), alphabet or relevance\n"
           "  --page N            page of 20 articles, from 1 (json: all results\n"
           "                      unless given)\n"
           "  --format F          text (default), html or json\n"
           "  --layout L          html layout: 0 standard, 1 separated, 2 table\n"
           "  --font-size PX      html base font size, 6 to 48 (default 18)\n"
           "  --batch FILE        run every line of FILE as a query; one JSON line\n"
           "                      each with the total and the search time\n"
           "  --help, --version\n"
           "\n"
           "Exit status: 0 results found, 1 none, 2 usage or library error.\n"
           "Nothing is written to the program's files.\n";
}
