// Replacing a file's contents so that a crash, a full disk or a failed write
// never leaves a half-written file behind: the bytes go to a temporary file in
// the same folder, are flushed to disk, and only then renamed over the target.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

// On failure the target is untouched, the temporary file is removed and
// errorText holds 61697 "Failed to open document.", CR LF and the system's
// description of the failure.
[[nodiscard]] bool ReplaceFileContents(const std::filesystem::path& target,
                                       std::span<const uint8_t> bytes, std::u16string& errorText);

// 61697, CR LF and the system's text for errno value nErrno (at most 260 units),
// the shape every file error of the programs has.
std::u16string FileErrorText(int nErrno);
