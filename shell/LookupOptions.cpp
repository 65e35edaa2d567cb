#include "shell/LookupOptions.h"

#include "core/Utf8.h"

namespace {

// The value of a choice or number option, or a usage error.
bool TakeNumber(const CParsedOptions& parsed, std::string_view name, std::optional<int> n,
                int& nOut, std::string& strError) {
    const auto value = parsed.Value(name);
    if (!value) return true;
    if (!n) {
        strError = BadValueText(name, *value);
        return false;
    }
    nOut = *n;
    return true;
}

}  // namespace

std::optional<CLookupOptions> ParseLookupOptions(const std::vector<std::string>& args,
                                                 std::string& strError) {
    static constexpr COptionSpec kOptions[] = {
        {"--search", 1},    {"--home", 1}, {"--group", 1},  {"--batch", 1},
        {"--area", 1},      {"--sort", 1}, {"--format", 1}, {"--layout", 1},
        {"--font-size", 1}, {"--page", 1}, {"--list"},      {"--help"},
        {"--version"},      {"--german"},  {"--prefix", 1}, {"--dict", 1, true},
    };
    const auto parsed = ParseOptions(args, kOptions, strError);
    if (!parsed) return std::nullopt;
    CLookupOptions options;
    options.bHelp = parsed->Has("--help");
    options.bVersion = parsed->Has("--version");
    if (options.bHelp || options.bVersion) return options;
    const std::string none;
    auto value = [&](std::string_view name) { return parsed->Value(name).value_or(none); };
    int nFormat = 0;
    int nPage = 0;
    if (!TakeNumber(*parsed, "--area",
                    ParseChoice(value("--area"), {{"everywhere", 0}, {"left", 1}, {"right", 2}}),
                    options.nArea, strError) ||
        !TakeNumber(*parsed, "--sort",
                    ParseChoice(value("--sort"), {{"none", 0}, {"alphabet", 1}, {"relevance", 2}}),
                    options.nSortMode, strError) ||
        !TakeNumber(*parsed, "--format",
                    ParseChoice(value("--format"), {{"text", 0}, {"html", 1}, {"json", 2}}),
                    nFormat, strError) ||
        !TakeNumber(*parsed, "--layout", ParseIntInRange(value("--layout"), 0, 2), options.nLayout,
                    strError) ||
        !TakeNumber(*parsed, "--font-size", ParseIntInRange(value("--font-size"), 6, 48),
                    options.nFontSize, strError) ||
        !TakeNumber(*parsed, "--page", ParseIntInRange(value("--page"), 1, 100000000), nPage,
                    strError)) {
        return std::nullopt;
    }
    options.format = static_cast<OutputFormat>(nFormat);
    if (parsed->Has("--page")) options.nPage = nPage;
    if (const auto query = parsed->Value("--search")) options.query = FromUtf8(*query);
    if (const auto home = parsed->Value("--home")) options.strHome = FromFileName(*home);
    if (const auto group = parsed->Value("--group")) options.group = FromUtf8(*group);
    options.bFormatGiven = parsed->Has("--format");
    options.batchFile = parsed->Value("--batch");
    options.bList = parsed->Has("--list");
    options.bGerman = parsed->Has("--german");
    if (const auto prefix = parsed->Value("--prefix")) options.prefix = FromUtf8(*prefix);
    for (const std::string& name : parsed->Values("--dict"))
        options.dicts.push_back(FromUtf8(name));
    const int nActions = options.query.has_value() + options.batchFile.has_value() + options.bList +
                         options.prefix.has_value();
    if (nActions == 0) {
        strError = "nothing to do: give --search TEXT, --batch FILE, --prefix TEXT or --list";
        return std::nullopt;
    }
    if (nActions > 1) {
        strError = "--search, --batch, --prefix and --list exclude each other";
        return std::nullopt;
    }
    if (!options.query && options.format == OutputFormat::Html) {
        strError = "--format html goes with --search only";
        return std::nullopt;
    }
    return options;
}

std::string LookupUsage() {
    return "Usage: glossmere --search TEXT [options]\n"
           "       glossmere --batch FILE [options]\n"
           "       glossmere --prefix TEXT [--format text|json] [--dict NAME...]\n"
           "       glossmere --list [--format text|json] [--home DIR]\n"
           "       glossmere [--home DIR] [WORDS...]\n"
           "Looks a word or a phrase up in the enabled dictionaries of a group. The\n"
           "last form opens the window and searches the words at once; a window\n"
           "already open comes to the front and searches them.\n"
           "\n"
           "A value may follow its option or an equals sign (--format=json).\n"
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
           "  --dict NAME         search only this dictionary of the group (file name\n"
           "                      or display name); may be given again for more\n"
           "  --batch FILE        run every line of FILE (- for standard input) as a\n"
           "                      query, once the dictionaries' indexes are read in;\n"
           "                      one JSON line each with the total and the search\n"
           "                      time, or with --format text|json each query's\n"
           "                      results\n"
           "  --prefix TEXT       the index words that begin with TEXT, one a line\n"
           "  --list              the groups in order (* marks the current one) and\n"
           "                      each group's dictionaries: state, file, name, counts\n"
           "  --german            German lemmas on (default: the German key of section\n"
           "                      [Morphology] in Glossmere.ini, 0 off)\n"
           "  -h, --help          this text\n"
           "  --version           the program's version\n"
           "\n"
           "When nothing is found, up to 10 index words close to the query are\n"
           "offered (\"Did you mean: ...\"; json: \"suggestions\"). The json fields\n"
           "are described in the man page.\n"
           "\n"
           "Exit status: 0 results found (or listed), 1 none, 2 usage or library error.\n"
           "Nothing is written to the program's files.\n";
}
