// A compiled dictionary file (.gmd). The compiler writes it in one pass
// (DictIndexFileWrite.cpp); the shell opens it and reads from it (the
// reading side below). The byte layout is in GmdLayout.h and
// doc/gmd-format.md.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "DictCommon.h"
#include "GmdIndexView.h"
#include "GmdLayout.h"
#include "GmdOutputFile.h"
#include "GmdWriter.h"
#include "IndexWords.h"
#include "MappedPages.h"
#include "ReadOnlyMapping.h"

class CGmdCursor;

class CDictIndexFile : public CDictCommon {
public:
    CDictIndexFile();
    ~CDictIndexFile() override;

    // Header settings, counts and the fields below back to their reset
    // values (valid true, everything else 0); then the file is reset.
    void Reset() override;

    // ---- Fields of every compiled file ----
    bool IsValid() const { return m_bValid; }
    void SetValid(bool bValid) { m_bValid = bValid; }
    uint8_t GetFormatVersion() const { return m_byFormatVersion; }
    uint32_t GetCompileDate() const { return m_dwCompileDate; }
    // B0 article records, B1 node table, B2 relation blocks, B3 occurrence
    // lists, B4 text block (gmd::Block).
    int32_t GetBlockPos(int nBlock) const { return m_arrBlockPos.at(static_cast<size_t>(nBlock)); }
    const std::array<uint16_t, gmd::kKeyCount>& GetTextKeys() const { return m_arrTextKey; }
    // Unit nUnitIndex of the text block, scrambled or unscrambled (the
    // operation is its own inverse).
    char16_t ScrambleSymb(char16_t symb, uint64_t nUnitIndex) const {
        return gmd::ScrambleSymb(symb, nUnitIndex, m_arrTextKey);
    }

    // ==== Writing side (DictIndexFileWrite.cpp) ====

    // Creates the output beside strPath under a temporary name; the file
    // only takes strPath's name in CommitWriting. The error text is "Failed
    // to open document.", CR LF and the system's reason.
    bool OpenForWriting(std::u16string_view strPath);
    bool IsOpenForWriting() const { return m_pOut && m_pOut->IsOpen(); }
    // Abort flag and progress of the caller, looked at while writing.
    void SetWriteControl(GmdWriteControl control) { m_writeControl = std::move(control); }

    // Writes the header block (file type to name) to the output.
    bool WriteHeader() override;
    // Writes the whole file: the header settings and counts of this object,
    // the article records, automaton and lists of index, and the text of
    // source from behind its byte-order mark (nTextUnits long, when the
    // caller knows it: the size limit is then checked before writing). Only
    // version 2 is written. False on an error (text set) or when the abort
    // flag stopped it (text empty).
    bool WriteCompiledFile(CUnicodeMappingFile& source, const CCompiledIndex& index, int nVersion,
                           uint64_t nTextUnits = 0);
    // Renames the finished file over the target; false (text set) when the
    // file system refuses.
    bool CommitWriting();
    // Deletes the unfinished file; a file of the target's name stays as it was.
    void DiscardWriting();
    // Bytes written so far; after CommitWriting the size of the file.
    uint64_t GetWrittenSize() const {
        return m_pOut ? m_pOut->GetCalculatedSize() : m_nWrittenSize;
    }

    // For tests: a fixed compile date and key instead of the clock and the
    // random generator.
    void SetFixedDate(std::optional<uint32_t> dwDate) { m_fixedDate = dwDate; }
    void SetFixedKey(std::optional<std::array<uint16_t, gmd::kKeyCount>> key) { m_fixedKey = key; }

    // ==== Reading side ====
    // The shell opens the file with Open, then ReadDictionary maps it
    // read-only and checks its prefix; every later read takes its bytes from
    // the mapping. Every position, count and length taken from the file is
    // checked against the file's size first, so a damaged or hostile file
    // fails with a message and never makes a read leave the file.

    // Maps the open file and reads version (at least nMinVersion, never the
    // "$" of a source text), date, header, counts, block positions and key.
    // False with the failing step's message; nothing of it is used then.
    [[nodiscard]] bool ReadDictionary(uint8_t nMinVersion);
    // The steps: each reads its fields at nPos and moves nPos past them.
    bool ReadDictFormatVersion(int32_t& nPos);
    bool ReadCompileDate(int32_t& nPos);
    bool ReadHeader(int32_t& nPos) override;
    bool ReadArticleAndWordCount(int32_t& nPos);
    bool ReadIndexBlockPos(int32_t& nPos);
    bool ReadKey(int32_t& nPos);
    // Releases the mapping too.
    void Close() override;

    // Whether the file at the path is no longer the one read: another size,
    // time of change or file, or gone. A dictionary copied over the open one
    // is found so before a search reads it.
    bool HasFileChanged() const;
    // Reads the parts of the index that lookups reach in, on a thread of its
    // own, so that later lookups do not pay the first touch of each page
    // (MappedPages.h); nothing when the file is not read. Closing stops it.
    void StartReadAhead();
    // Returns once that is done (at once when it was not started).
    void WaitUntilIndexResident() { m_prefetcher.Wait(); }
    // Whether a read since ReadDictionary met bytes the file lost while it
    // was mapped; the error text then says so.
    bool CheckReadFault();

    // Units [nStart, nEnd) of the text block, unscrambled ("GetText error").
    [[nodiscard]] bool GetText(int32_t nStart, int32_t nEnd, std::u16string& text);
    // Whether the piece's plain text (markup left out, references decoded)
    // equals query without regard to case; false only when the piece
    // cannot be read.
    [[nodiscard]] bool IsTextEqual(std::u16string_view query, int32_t nStart, int32_t nEnd,
                                   bool& bEqual);
    // The article record at the file offset an occurrence gives, with its
    // caption's parts when it has one; 41329 with the file name when the
    // record lies outside the file.
    [[nodiscard]] bool ReadArticle(uint32_t nPos, CArticleRead& article);
    // The occurrence list of one form (walked with the ending symbol "+").
    // NOT_FINAL and CORRUPT leave the message (41327 with the file name; for
    // NOT_FINAL CR LF and 41328) in the error text.
    CFormLookup LookupForm(std::u16string_view form);
    // The index words that begin with prefix, and those one edit from word
    // (IndexWords.h); false with 41327 and the file name when the index is
    // damaged.
    [[nodiscard]] bool FindFormsWithPrefix(std::u16string_view prefix, size_t nMax,
                                           std::vector<CIndexWord>& words);
    [[nodiscard]] bool FindFormsOneEditAway(std::u16string_view word,
                                            std::vector<CIndexWord>& words);
    // The same reads without messages, for callers that compose their own;
    // valid while the file stays open.
    const CGmdIndexView& GetIndexView() const { return m_indexView; }

private:
    CByteView MappedBytes() const;
    // One step of ReadDictionary: read takes its fields from a cursor at
    // nPos; false sets strError, true moves nPos past the fields.
    bool ReadStep(int32_t& nPos, std::u16string_view strError,
                  const std::function<bool(CGmdCursor&)>& read);
    bool Fail();
    void ReleaseReading();

    CReadOnlyMapping m_mapping;
    CPagePrefetcher m_prefetcher;  // stopped before the mapping goes
    CGmdIndexView m_indexView;
    // What the file was when it was read: device, inode, size, time of
    // change in nanoseconds.
    std::optional<std::array<int64_t, 4>> m_identity;

public:
    // ==== End of the reading side ====

protected:
    GmdHeader MakeGmdHeader() const;

    bool m_bValid = true;
    uint8_t m_byFormatVersion = 0;
    uint32_t m_dwCompileDate = 0;
    std::array<int32_t, gmd::kBlockCount> m_arrBlockPos{};
    std::array<uint16_t, gmd::kKeyCount> m_arrTextKey{};

private:
    std::unique_ptr<CGmdOutputFile> m_pOut;
    uint64_t m_nWrittenSize = 0;
    GmdWriteControl m_writeControl;
    std::optional<uint32_t> m_fixedDate;
    std::optional<std::array<uint16_t, gmd::kKeyCount>> m_fixedKey;
};
