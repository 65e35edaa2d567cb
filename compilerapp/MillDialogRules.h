// The rules of Glossmill's main dialog, apart from its widgets: what may be
// used in which phase, what must be filled in before a compile, and what the
// "Info" field says once a run has ended.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The main dialog is idle or compiling; the compile button aborts while
// compiling, and every field that feeds a run is locked until it ends.
class CMillDialogState {
public:
    bool IsCompiling() const { return m_bCompiling; }
    void SetCompiling(bool bCompiling) { m_bCompiling = bCompiling; }

    // Path fields, browse buttons and the language box.
    bool InputsEnabled() const { return !m_bCompiling; }
    bool ProgressVisible() const { return m_bCompiling; }
    // "Compile" or "Abort".
    int CompileButtonTextId() const;
    // Closing while compiling first asks whether to stop.
    bool CloseNeedsQuestion() const { return m_bCompiling; }

private:
    bool m_bCompiling = false;
};

// What a press of the compile button does.
enum class CompileButtonAction {
    Start,   // idle: check the fields, then the settings dialog and the run
    Abort,   // a run is going: ask it to stop, without a question
    Finish,  // the run has just ended unseen: show its outcome instead
};
CompileButtonAction CompileButtonPress(bool bCompiling, bool bEngineRunning);

// The message that stops a compile before it starts: "Source file name not
// found", or "Dictionary folder path not found" with the folder when it is
// empty or missing; nothing when the fields are fine.
std::optional<std::u16string> CompileInputFault(std::u16string_view strSource,
                                                std::u16string_view strFolder, bool bFolderExists);

// The "Information" caption during and after a run: the caption, " (", the
// source's file name and ")".
std::u16string InfoCaption(std::u16string_view strCaption, const std::filesystem::path& source);

// The "Info" text: shown in red for an error, in blue otherwise.
struct CInfoText {
    std::u16string strText;
    bool bError = false;

    bool operator==(const CInfoText&) const = default;
};

// How a run ended, as the engine tells once it no longer runs.
struct CRunOutcome {
    bool bError = false;
    bool bAborted = false;
    std::u16string strError;
    std::u16string strStatus;  // the statistics after a good run
};

// The error in red, "Indexing abort", or the statistics. An abort
// that the engine took only after it had finished (its error text is then
// empty and the dictionary written) is not an abort.
CInfoText FinishedInfo(const CRunOutcome& outcome);

// The source a drop fills in: the one dropped path that is a file; nothing
// when several or no files are dropped or while compiling.
std::optional<std::filesystem::path> DroppedSource(const std::vector<std::filesystem::path>& paths,
                                                   bool bCompiling);
