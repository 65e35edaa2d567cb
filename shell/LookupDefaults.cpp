#include "shell/LookupDefaults.h"

#include <algorithm>

namespace {

bool Names(const std::vector<std::string>& args, std::string_view option) {
    return std::ranges::any_of(args, [&](const std::string& arg) {
        return arg == option ||
               (arg.starts_with(option) && arg.size() > option.size() && arg[option.size()] == '=');
    });
}

}  // namespace

std::u16string ApplyViewSettings(const CIniFile& ini, const std::vector<std::string>& args,
                                 CLookupOptions& options) {
    CViewState view;
    const std::optional<std::u16string> message = ReadViewSettings(ini, view);
    if (!Names(args, "--layout")) options.nLayout = view.nLayout;
    if (!Names(args, "--font-size")) options.nFontSize = view.nFontSize;
    if (!Names(args, "--sort")) options.nSortMode = view.nSort;
    if (!Names(args, "--area")) options.nArea = view.nArea;
    return message.value_or(u"");
}
