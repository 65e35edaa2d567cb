// The lookup without a window: the window's session opened read-only, one
// search, and its outcome printed as text, HTML or JSON. Nothing the user
// keeps (groups, settings) is written.
#pragma once

#include <iosfwd>
#include <memory>
#include <optional>
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
    // Searches only the dictionaries of the current group named by file name
    // (with or without ".gmd") or display name, in group order, whether the
    // group enables them or not. False, with the error text naming what the
    // group holds, for a name it does not hold or a dictionary that cannot
    // be read.
    bool SelectDictionaries(const std::vector<std::u16string>& names);
    // Whether the group enables the dictionary at nPos (before a selection).
    bool IsEnabledInGroup(int nPos) const;

    // One search and its output; returns the exit code. A page beyond the
    // last is refused ("page N of M" on err, usage status).
    int Lookup(const CLookupOptions& options, std::ostream& out, std::ostream& err);
    // Every line of in as a query: without a format named, one JSON line
    // each with the total and the search time; with json, each query's
    // whole result as one line; with text, each query's text after a line
    // "> query". Returns the exit code.
    int Batch(const CLookupOptions& options, std::istream& in, std::ostream& out);
    // The index words of the searched dictionaries that begin with prefix,
    // one a line (json: one object); returns the exit code.
    int ListPrefix(const CLookupOptions& options, std::ostream& out, std::ostream& err);

    // Offered after a search that found nothing (empty otherwise).
    const std::vector<std::u16string>& GetSuggestions() const { return m_aSuggestions; }

    CDictSearch& GetSearch() { return *m_pSearch; }
    const CDictSession& GetSession() const { return m_session; }
    const CDictLibrary& GetLibrary() const { return m_session.GetLibrary(); }
    const std::u16string& GetHome() const { return m_session.GetHome(); }
    const CDictGroup* GetCurrentGroup() const { return m_session.GetCurrentGroup(); }

private:
    LookupOutcome Run(std::u16string_view query, const CLookupOptions& options);
    int CountPages(OutputFormat format) const;
    std::vector<CDictIndexFile*> SearchedDictionaries() const;
    void PrintOutcome(LookupOutcome outcome, std::u16string_view query,
                      const CLookupOptions& options, std::ostream& out);

    CLemmatizer m_lemmatizer;
    CDictSession m_session;
    std::unique_ptr<CDictSearch> m_pSearch;
    std::vector<bool> m_aEnabledInGroup;  // the group's own flags, before a selection
    std::vector<std::u16string> m_aSuggestions;
    long long m_nSuggestMicroseconds = -1;  // the last suggestion lookup; -1: none
};

// The name a dictionary is shown under (its English one where it has one).
std::u16string LookupDisplayName(const CHeadlessLookup& lookup, const CDictIndexFile& dict);

// The times of one query of a batch, in microseconds; -1: no suggestions
// were looked for.
struct CLookupTiming {
    long long nSearch = 0;
    long long nSuggest = -1;
};

// The outputs of one lookup.
void PrintLookupText(CHeadlessLookup& lookup, LookupOutcome outcome, std::u16string_view query,
                     const CLookupOptions& options, std::ostream& out);
void PrintLookupJson(CHeadlessLookup& lookup, LookupOutcome outcome, std::u16string_view query,
                     const CLookupOptions& options, std::ostream& out,
                     std::optional<CLookupTiming> timing = std::nullopt);
// False (error text in strError) when an article's text cannot be read.
bool PrintLookupHtml(CHeadlessLookup& lookup, LookupOutcome outcome, std::u16string_view query,
                     const CLookupOptions& options, std::ostream& out, std::u16string& strError);
