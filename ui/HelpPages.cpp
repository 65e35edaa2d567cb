#include "HelpPages.h"

#include <QDesktopServices>
#include <QUrl>

#include "core/Utf8.h"

namespace {

std::filesystem::path PagePath(const std::filesystem::path& helpFolder,
                               std::u16string_view languageName) {
    return helpFolder / ("Glossmere_" + ToUtf8(languageName) + ".html");
}

}  // namespace

std::filesystem::path HelpFolder(const std::filesystem::path& dataFolder) {
    return dataFolder / "help";
}

std::optional<std::filesystem::path> FindHelpPage(const std::filesystem::path& helpFolder,
                                                  std::u16string_view languageName) {
    std::error_code ec;
    for (std::u16string_view name : {languageName, std::u16string_view(u"English")}) {
        const std::filesystem::path page = PagePath(helpFolder, name);
        if (std::filesystem::is_regular_file(page, ec)) return page;
    }
    return std::nullopt;
}

bool OpenHelpPage(const std::filesystem::path& page) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(page.string())));
}
