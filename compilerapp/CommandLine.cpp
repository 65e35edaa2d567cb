#include "CommandLine.h"

#include <set>

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
           "  --sep TEXT          articles separator for type 3, with backslash escapes\n"
           "                      (\\n \\r \\t \\\\ \\xHHHH)\n"
           "  --parts-sep TEXT    article parts separator (default ##:##), same escapes\n"
           "  --yes               go on when a morphology module fails to load (default)\n"
           "  --no                stop when a morphology module fails to load\n"
           "  --quiet             no progress display\n"
           "  --help              this text\n"
           "  --version           the program's version\n"
           "\n"
           "Exit status: 0 compiled, 1 compile error or abort, 2 wrong command line.\n";
}

std::optional<GlossmillOptions> ParseCommandLine(const std::vector<std::string>& args,
                                                 std::string& strError) {
    static const std::set<std::string> kWithValue = {
        "--compile", "--import", "--name",     "--morph", "--map",
        "--out",     "--home",   "--sep-type", "--sep",   "--parts-sep"};
    static const std::set<std::string> kFlags = {"--yes", "--no", "--quiet", "--help", "--version"};
    GlossmillOptions options;
    std::set<std::string> seen;
    bool bHaveSource = false;
    for (size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i] == "-h" ? "--help" : args[i];
        std::optional<std::string> value;
        // "--name=value" is the same as "--name value".
        if (size_t eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name.resize(eq);
        }
        const bool bTakesValue = kWithValue.count(name) != 0;
        if (!bTakesValue && kFlags.count(name) == 0) {
            strError = name.rfind("-", 0) == 0 ? "unknown option '" + name + "'"
                                               : "unexpected argument '" + name + "'";
            return std::nullopt;
        }
        if (!seen.insert(name).second) {
            strError = "option '" + name + "' given more than once";
            return std::nullopt;
        }
        if (bTakesValue && !value) {
            if (i + 1 >= args.size()) {
                strError = "option '" + name + "' needs a value";
                return std::nullopt;
            }
            value = args[++i];
        } else if (!bTakesValue && value) {
            strError = "option '" + name + "' takes no value";
            return std::nullopt;
        }
        if (name == "--compile") {
            if (value->empty()) {
                strError = "the source file name is empty";
                return std::nullopt;
            }
            options.source = PathOf(*value);
            bHaveSource = true;
        } else if (name == "--import") {
            // FORMAT, then INPUT as the next argument.
            if (i + 1 >= args.size() || args[i + 1].empty() || args[i + 1].rfind("--", 0) == 0) {
                strError = "--import FORMAT INPUT: the input file is missing";
                return std::nullopt;
            }
            options.strImportFormat = *value;
            options.source = PathOf(args[++i]);
        } else if (name == "--name") {
            options.strName = FromUtf8(*value);
        } else if (name == "--morph") {
            options.strMorph = FromUtf8(*value);
        } else if (name == "--map") {
            options.mapFile = PathOf(*value);
        } else if (name == "--out") {
            options.outDir = PathOf(*value);
        } else if (name == "--home") {
            options.homeDir = PathOf(*value);
        } else if (name == "--sep-type") {
            if (*value != "1" && *value != "2" && *value != "3") {
                strError = "--sep-type must be 1, 2 or 3";
                return std::nullopt;
            }
            options.nSepType = (*value)[0] - '0';
        } else if (name == "--sep") {
            options.strSep = FromUtf8(*value);
        } else if (name == "--parts-sep") {
            options.strPartsSep = FromUtf8(*value);
        } else if (name == "--yes" || name == "--no") {
            if (seen.count("--yes") && seen.count("--no")) {
                strError = "--yes and --no exclude each other";
                return std::nullopt;
            }
            options.bContinueOnMorphFailure = name == "--yes";
        } else if (name == "--quiet") {
            options.bQuiet = true;
        } else if (name == "--help") {
            options.action = GlossmillOptions::Action::Help;
        } else if (name == "--version") {
            options.action = GlossmillOptions::Action::Version;
        }
    }
    if (seen.count("--import")) {
        if (bHaveSource) {
            strError = "--import and --compile exclude each other";
            return std::nullopt;
        }
        if (options.action == GlossmillOptions::Action::Compile) {
            options.action = GlossmillOptions::Action::Import;
        }
        bHaveSource = true;
    }
    if (options.action == GlossmillOptions::Action::Compile && !bHaveSource) {
        if (seen.empty() || seen == std::set<std::string>{"--home"}) {
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
