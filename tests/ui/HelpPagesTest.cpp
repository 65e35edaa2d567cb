// Which help page F1 opens.
#include <gtest/gtest.h>

#include <fstream>

#include "support/TempDir.h"
#include "ui/HelpPages.h"

namespace {

namespace fs = std::filesystem;

TEST(HelpPages, LanguagePageThenEnglishThenNone) {
    const CTempDir temp;
    const fs::path& folder = temp.Path();
    const fs::path russian = folder / "Glossmere_Russian.html";
    const fs::path english = folder / "Glossmere_English.html";
    EXPECT_FALSE(FindHelpPage(folder, u"Russian"));
    EXPECT_FALSE(FindHelpPage(folder, u"English"));
    std::ofstream(english) << "<html></html>";
    EXPECT_EQ(FindHelpPage(folder, u"Russian"), english);
    std::ofstream(russian) << "<html></html>";
    EXPECT_EQ(FindHelpPage(folder, u"Russian"), russian);
    EXPECT_EQ(FindHelpPage(folder, u"English"), english);
    EXPECT_EQ(HelpFolder("/usr/share/glossmere"), fs::path("/usr/share/glossmere/help"));
}

}  // namespace
