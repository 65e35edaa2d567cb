#include "MillDialogRules.h"

#include "core/StringTable.h"
#include "core/TextIds.h"
#include "core/Utf8.h"

int CMillDialogState::CompileButtonTextId() const {
    return m_bCompiling ? IDS_ABORT_BUTTON : IDS_COMPILE_BUTTON;
}

CompileButtonAction CompileButtonPress(bool bCompiling, bool bEngineRunning) {
    if (!bCompiling) return CompileButtonAction::Start;
    return bEngineRunning ? CompileButtonAction::Abort : CompileButtonAction::Finish;
}

std::optional<std::u16string> CompileInputFault(std::u16string_view strSource,
                                                std::u16string_view strFolder, bool bFolderExists) {
    if (strSource.empty()) return FormatTextId(IDS_SOURCE_NAME_MISSING);
    if (strFolder.empty() || !bFolderExists) return FormatTextId(IDS_FOLDER_NOT_FOUND, {strFolder});
    return std::nullopt;
}

std::u16string InfoCaption(std::u16string_view strCaption, const std::filesystem::path& source) {
    return std::u16string(strCaption) + u" (" + FromUtf8(source.filename().string()) + u")";
}

CInfoText FinishedInfo(const CRunOutcome& outcome) {
    if (outcome.bError) return {outcome.strError, true};
    if (outcome.bAborted && !outcome.strError.empty())
        return {FormatTextId(IDS_INDEXING_ABORTED), false};
    return {outcome.strStatus, false};
}

std::optional<std::filesystem::path> DroppedSource(const std::vector<std::filesystem::path>& paths,
                                                   bool bCompiling) {
    if (bCompiling || paths.size() != 1) return std::nullopt;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(paths.front(), ec)) return std::nullopt;
    return paths.front();
}
