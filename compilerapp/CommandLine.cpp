#include "CommandLine.h"

#include "core/CommandLineParser.h"
#include "core/Utf8.h"

namespace {

std::filesystem::path PathOf(const std::string& text) {
    return std::filesystem::path(text);
}

}  // namespace

std::string UsageText() {
    return "Usage: glossmill [--home DIR]\n"
           "       glossmill --compile SOURCE [options]\n"
           "       glossmill --import FORMAT INPUT [--out SOURCE.txt] [--name TEXT] [--morph "
           "SPEC]\n"
           "Opens the compiler's window, compiles a dictionary source into a .gmd\n"
           "dictionary without one, or imports a dictd, StarDict or tab-separated\n"
           "dictionary as a source.\n"
           "\n"
           "Options:\n"
           "  --compile SOURCE    the dictionary source file to compile; a dictd .index,\n"
           "                      StarDict .ifo or glossary .tsv/.tab is imported first\n"
           "  --import FORMAT INPUT\n"
           "                      write INPUT (FORMAT dictd, stardict or tsv) as a source\n"
           "                      (default: its name with .txt, in the current folder)\n"
           "  --name TEXT         the imported dictionary's name (default: its own)\n"
           "  --morph SPEC        the imported dictionary's $MORPH: list, e.g. English\n"
           "  --map MAPFILE       character-map file (empty: none)\n"
           "  --out DIR           folder for the compiled dictionary (with --import:\n"
           "                      the source file to write)\n"
           "                      (default: the Dictionaries folder of the home folder)\n"
           "  --home DIR          folder the program keeps its files in (default: the\n"
           "                      user's folders, see the man page)\n"
           "  --sep-type 1|2|3    articles separator: 1 single line feed, 2 double line\n"
           "                      feed (default), 3 the text of --sep\n"
           "  --sep TEXT          articles separator of --sep-type 3, with backslash\n"
           "                      escapes (\\n \\r \\t \\\\ \\xHHHH)\n"
           "  --parts-sep TEXT    article parts separator (default ##:##), same escapes\n"
           "  --yes               go on when a morphology module fails to load (default)\n"
           "  --no                stop when a morphology module fails to load\n"
           "  --german            German lemmas on (they are off by default)\n"
           "  --quiet             no progress display\n"
           "  --help              this text\n"
           "  --version           the program's version\n"
           "\n"
           "Exit status: 0 compiled, 1 compile error or abort, 2 wrong command line.\n"
           "The source format, with examples: doc/source-format.md in the sources,\n"
           "share/doc/glossmere/source-format.md where the program is installed.\n";
}

std::optional<GlossmillOptions> ParseCommandLine(const std::vector<std::string>& args,
                                                 std::string& strError) {
    static constexpr COptionSpec kOptions[] = {
        {"--compile", 1}, {"--import", 2},    {"--name", 1}, {"--morph", 1},
        {"--map", 1},     {"--out", 1},       {"--home", 1}, {"--sep-type", 1},
        {"--sep", 1},     {"--parts-sep", 1}, {"--yes"},     {"--no"},
        {"--quiet"},      {"--help"},         {"--version"}, {"--german"},
    };
    const auto parsed = ParseOptions(args, kOptions, strError);
    if (!parsed) return std::nullopt;
    GlossmillOptions options;
    if (parsed->Has("--help")) {
        options.action = GlossmillOptions::Action::Help;
        return options;
    }
    if (parsed->Has("--version")) {
        options.action = GlossmillOptions::Action::Version;
        return options;
    }
    if (const auto source = parsed->Value("--compile")) {
        if (source->empty()) {
            strError = "the source file name is empty";
            return std::nullopt;
        }
        options.source = PathOf(*source);
    }
    if (parsed->Has("--import")) {
        if (parsed->Has("--compile")) {
            strError = "--import and --compile exclude each other";
            return std::nullopt;
        }
        const std::string input = parsed->SecondValue("--import").value_or(std::string());
        if (input.empty() || input.starts_with("--")) {
            strError = "--import FORMAT INPUT: the input file is missing";
            return std::nullopt;
        }
        options.action = GlossmillOptions::Action::Import;
        options.strImportFormat = *parsed->Value("--import");
        options.source = PathOf(input);
    }
    if (const auto name = parsed->Value("--name")) options.strName = FromUtf8(*name);
    if (const auto morph = parsed->Value("--morph")) options.strMorph = FromUtf8(*morph);
    if (const auto map = parsed->Value("--map")) options.mapFile = PathOf(*map);
    if (const auto out = parsed->Value("--out")) options.outDir = PathOf(*out);
    if (const auto home = parsed->Value("--home")) options.homeDir = PathOf(*home);
    if (const auto sepType = parsed->Value("--sep-type")) {
        const auto nType = ParseIntInRange(*sepType, 1, 3);
        if (!nType) {
            strError = "--sep-type must be 1, 2 or 3";
            return std::nullopt;
        }
        options.separators.nType = *nType;
    }
    if (const auto sep = parsed->Value("--sep")) options.separators.strArticlesSep = FromUtf8(*sep);
    if (!options.separators.strArticlesSep.empty() &&
        options.separators.nType != ARTICLES_SEP_OTHER) {
        strError = "--sep applies to --sep-type 3 only";
        return std::nullopt;
    }
    if (const auto partsSep = parsed->Value("--parts-sep"))
        options.separators.strPartsSep = FromUtf8(*partsSep);
    if (parsed->Has("--yes") && parsed->Has("--no")) {
        strError = "--yes and --no exclude each other";
        return std::nullopt;
    }
    options.bContinueOnMorphFailure = !parsed->Has("--no");
    options.bQuiet = parsed->Has("--quiet");
    options.bGerman = parsed->Has("--german");
    if (options.action == GlossmillOptions::Action::Compile && !parsed->Has("--compile")) {
        // No arguments, or only the home folder, open the window.
        if (args.empty() || (args.size() <= 2 && parsed->Has("--home"))) {
            options.action = GlossmillOptions::Action::Window;
            return options;
        }
        strError = "--compile SOURCE is missing";
        return std::nullopt;
    }
    return options;
}

std::filesystem::path CompiledFilePath(const std::filesystem::path& source,
                                       const std::filesystem::path& folder) {
    std::filesystem::path name = source.filename();
    name.replace_extension("gmd");
    return folder / name;
}
