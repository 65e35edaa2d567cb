// Where a program finds what it ships with. A portable program (a file or
// folder named "portable" beside it; the build tree has one) keeps all of it
// beside itself. An installed one finds it through paths relative to its own
// folder, fixed at build time, so the tree works under any prefix and from
// a staging folder (DESTDIR) alike.
#pragma once

#include <string>

struct CInstallLayout {
    // The folder of the running executable.
    std::u16string strProgramFolder;
    // libRadixo.so and its language data folders (RusMorph, EngMorph, GerMorph).
    std::u16string strLibraryFolder;
    // What the programs share and never write: help pages, translations and
    // the system "Dictionaries" folder.
    std::u16string strDataFolder;
    bool bPortable = false;
};

// The file or folder whose presence beside the program makes it portable.
inline constexpr std::u16string_view kPortableMarker = u"portable";

CInstallLayout ResolveInstallLayout(const std::u16string& strProgramFolder);

// The layout of the running program.
CInstallLayout GetInstallLayout();
