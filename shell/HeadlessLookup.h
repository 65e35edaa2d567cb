// The lookup without a window: the window's session opened read-only, one
// search, and its outcome printed as text, HTML or JSON. Nothing the user
// keeps (groups, settings) is written.
#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "core/Lemmatizer.h"
#include "core/MyObject.h"
#include "library/DictSearch.h"
#include "library/DictSession.h"
#include "shell/LookupOptions.h"

enum class LookupOutcome { Results, NotFound, EmptyText, NoEnabledDictionaries, Failed };

class CHeadlessLookup : public CMyObject {
public:
    // strHome holds "Dictionaries" and "DictGroup.bin"; the lemmatiser and
    // its data folders are looked for in strProgramFolder.
    CHeadlessLookup(std::u16string strHome, std::u16string strProgramFolder);
    ~CHeadlessLookup() override;

    // The user's own dictionaries and the read-only system folders, when
    // they are not the home's "Dictionaries"; before Open.
    void SetDictionaryFolders(std::u16string strOwn, std::vector<std::u16string> systemFolders) {
        m_session.SetDictionaryFolders(std::move(strOwn), std::move(systemFolders));
    }

    // Switches German lemmas on; before Open.
    void EnableGerman() { m_lemmatizer.EnableLanguage(CLemmatizer::LANG_GERMAN); }
    bool IsGermanEnabled() const {
        return m_lemmatizer.IsLanguageEnabled(CLemmatizer::LANG_GERMAN);
    }

    // Opens the session and makes the named group current (the stored current
    // group when none is named). False, with the error text, when the folder
    // is missing or the group unknown; messages that do not stop a lookup
    // (a damaged dictionary or groups file, a missing language module) are
    // left in strWarnings.
    bool Open(const std::optional<std::u16string>& group, std::u16string& strWarnings);

    // One search and its output; returns the exit code. A page beyond the
    // last is refused ("page N of M" on err, usage status).
    int Lookup(const CLookupOptions& options, std::ostream& out, std::ostream& err);
    // Every line of in as a query, one JSON line each; returns the exit code.
    int Batch(const CLookupOptions& options, std::istream& in, std::ostream& out);

    CDictSearch& GetSearch() { return *m_pSearch; }
    const CDictSession& GetSession() const { return m_session; }
    const CDictLibrary& GetLibrary() const { return m_session.GetLibrary(); }
    const std::u16string& GetHome() const { return m_session.GetHome(); }
    const CDictGroup* GetCurrentGroup() const { return m_session.GetCurrentGroup(); }

private:
    LookupOutcome Run(std::u16string_view query, const CLookupOptions& options);
    int CountPages(OutputFormat format) const;

    CLemmatizer m_lemmatizer;
    CDictSession m_session;
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
