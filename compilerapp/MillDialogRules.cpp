#include "MillDialogRules.h"

#include "core/StringTable.h"
#include "core/Utf8.h"

namespace {

constexpr int kSourceMissingText = 40105;  // "Source file name not found"
constexpr int kIndexingAbortText = 40303;  // "Indexing abort"
constexpr int kCompileText = 40508;        // "Compile"
constexpr int kAbortText = 40509;          // "Abort"
constexpr int kFolderMissingText = 41325;  // "Dictionary folder path not found:\r\n%s"

}  // namespace

int CMillDialogState::CompileButtonTextId() const {
    return m_bCompiling ? kAbortText : kCompileText;
}

CompileButtonAction CompileButtonPress(bool bCompiling, bool bEngineRunning) {
    if (!bCompiling) return CompileButtonAction::Start;
    return bEngineRunning ? CompileButtonAction::Abort : CompileButtonAction::Finish;
}

std::optional<std::u16string> CompileInputFault(std::u16string_view strSource,
                                                std::u16string_view strFolder, bool bFolderExists) {
    if (strSource.empty()) return FormatTextId(kSourceMissingText);
    if (strFolder.empty() || !bFolderExists) return FormatTextId(kFolderMissingText, {strFolder});
    return std::nullopt;
}

std::u16string InfoCaption(std::u16string_view strCaption, const std::filesystem::path& source) {
    return std::u16string(strCaption) + u" (" + FromUtf8(source.filename().string()) + u")";
}

CInfoText FinishedInfo(const CRunOutcome& outcome) {
    if (outcome.bError) return {outcome.strError, true};
    if (outcome.bAborted && !outcome.strError.empty())
        return {FormatTextId(kIndexingAbortText), false};
    return {outcome.strStatus, false};
}

std::optional<std::filesystem::path> DroppedSource(const std::vector<std::filesystem::path>& paths,
                                                   bool bCompiling) {
    if (bCompiling || paths.size() != 1) return std::nullopt;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(paths.front(), ec)) return std::nullopt;
    return paths.front();
}
