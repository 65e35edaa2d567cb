// The lookup without a window: the library, groups and morphology set up the
// way the shell's window sets them up, one search, and its outcome printed as
// text, HTML or JSON. Nothing the user keeps (groups, settings) is written.
#pragma once

#include <iosfwd>
#include <memory>
#include <string>

#include "core/Lemmatizer.h"
#include "core/MyObject.h"
#include "library/DictGroupList.h"
#include "library/DictLibrary.h"
#include "library/DictSearch.h"
#include "shell/LookupOptions.h"

enum class LookupOutcome { Results, NotFound, EmptyText, NoEnabledDictionaries, Failed };

class CHeadlessLookup : public CMyObject {
public:
    // strHome holds "Dictionaries" and "DictGroup.bin"; the lemmatiser and
    // its data folders are looked for in strProgramFolder.
    CHeadlessLookup(std::u16string strHome, std::u16string strProgramFolder);
    ~CHeadlessLookup() override;

    // Scans the dictionaries, loads the groups, makes the named group current
    // (the stored current group when none is named) and loads the morphology
    // its dictionaries ask for. False, with the error text, when the folder
    // is missing or the group unknown; messages that do not stop a lookup
    // (a damaged dictionary or groups file, a missing language module) are
    // left in strWarnings.
    bool Open(const std::optional<std::u16string>& group, std::u16string& strWarnings);

    // One search and its output; returns the exit code.
    int Lookup(const CLookupOptions& options, std::ostream& out, std::ostream& err);
    // Every line of in as a query, one JSON line each; returns the exit code.
    int Batch(const CLookupOptions& options, std::istream& in, std::ostream& out);

    CDictSearch& GetSearch() { return *m_pSearch; }
    const CDictLibrary& GetLibrary() const { return m_library; }
    const std::u16string& GetHome() const { return m_strHome; }
    const CDictGroup* GetCurrentGroup() const;

private:
    LookupOutcome Run(std::u16string_view query, const CLookupOptions& options);
    void LoadMorphology(std::u16string& strWarnings);

    std::u16string m_strHome;
    CLemmatizer m_lemmatizer;
    CDictLibrary m_library;
    std::unique_ptr<CDictGroupList> m_pGroups;
    std::unique_ptr<CDictSearch> m_pSearch;
};

// The outputs of one lookup.
void PrintLookupText(CHeadlessLookup& lookup, LookupOutcome outcome, std::u16string_view query,
                     const CLookupOptions& options, std::ostream& out);
void PrintLookupJson(CHeadlessLookup& lookup, LookupOutcome outcome, std::u16string_view query,
                     const CLookupOptions& options, std::ostream& out);
// False (error text in strError) when an article's text cannot be read.
bool PrintLookupHtml(CHeadlessLookup& lookup, LookupOutcome outcome, std::u16string_view query,
                     const CLookupOptions& options, std::ostream& out, std::u16string& strError);
