// glossmere --list: the groups in order, the current one marked, and what
// each would search.
#include "shell/GroupListing.h"

#include <ostream>

#include "core/Utf8.h"
#include "dictformat/DictIndexFile.h"
#include "library/DictSession.h"
#include "shell/Json.h"

namespace {

constexpr std::u16string_view kNameLanguage = u"English";

std::u16string DisplayName(const CDictLibrary& library, const CDictIndexFile& dict) {
    return library.GetDisplayName(dict, kNameLanguage, kNameLanguage, kNameLanguage);
}

// The first line of a message; the reasons a file is unusable are short.
std::u16string FirstLine(std::u16string_view text) {
    return std::u16string(text.substr(0, text.find_first_of(u"\r\n")));
}

void PrintText(const CDictSession& session, std::ostream& out) {
    const CDictGroupList& groups = *session.GetGroupList();
    for (int g = 0; g < groups.GetGroupCount(); ++g) {
        const CDictGroup& group = *groups.GetGroup(g);
        out << (g == groups.GetCurrentGroup() ? "* " : "  ") << ToUtf8(group.GetName()) << '\n';
        for (int n = 0; n < group.Count(); ++n) {
            const CDictIndexFile& dict = *group.GetDict(n);
            out << "    "
                << (!dict.IsValid()      ? "invalid "
                    : group.IsEnabled(n) ? "enabled "
                                         : "disabled")
                << "  " << ToUtf8(dict.GetFileName()) << "  ";
            if (dict.IsValid())
                out << ToUtf8(DisplayName(session.GetLibrary(), dict)) << " ("
                    << dict.GetArticleCount() << " articles, " << dict.GetWordCount()
                    << " words)\n";
            else
                out << ToUtf8(FirstLine(dict.GetError())) << '\n';
        }
    }
}

void PrintJson(const CDictSession& session, std::ostream& out) {
    const CDictGroupList& groups = *session.GetGroupList();
    out << "{\"groups\": [";
    for (int g = 0; g < groups.GetGroupCount(); ++g) {
        const CDictGroup& group = *groups.GetGroup(g);
        out << (g ? ", " : "") << "{\"name\": " << JsonString(group.GetName())
            << ", \"current\": " << (g == groups.GetCurrentGroup() ? "true" : "false")
            << ", \"dictionaries\": [";
        for (int n = 0; n < group.Count(); ++n) {
            const CDictIndexFile& dict = *group.GetDict(n);
            out << (n ? ", " : "") << "{\"file\": " << JsonString(dict.GetFileName())
                << ", \"name\": "
                << JsonString(dict.IsValid() ? DisplayName(session.GetLibrary(), dict) : u"")
                << ", \"enabled\": " << (group.IsEnabled(n) ? "true" : "false")
                << ", \"valid\": " << (dict.IsValid() ? "true" : "false") << ", \"error\": ";
            if (dict.IsValid())
                out << "null";
            else
                out << JsonString(dict.GetError());
            out << ", \"articles\": " << dict.GetArticleCount()
                << ", \"words\": " << dict.GetWordCount() << "}";
        }
        out << "]}";
    }
    out << "]}\n";
}

}  // namespace

void PrintGroupList(const CDictSession& session, OutputFormat format, std::ostream& out) {
    if (format == OutputFormat::Json)
        PrintJson(session, out);
    else
        PrintText(session, out);
}
