// What the fuzz programs share: a private scratch folder per process, the way
// raw fuzz bytes become UTF-16 text, and a check that stops the run loudly.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

using FuzzBytes = std::span<const uint8_t>;

// Created on first use, removed when the process exits normally.
const std::filesystem::path& FuzzScratchDir();

// Replaces the file name in the scratch folder with bytes; returns its path.
std::u16string WriteScratchFile(std::string_view name, FuzzBytes bytes);
std::u16string ScratchPath(std::string_view name);

// Text for the text-level targets. Each byte is one code unit, so the
// fuzzer reaches the ASCII syntax ("&", "#", ";", "\", digits) quickly; the
// byte 0xFF takes the next two bytes as one little-endian unit, so every
// code unit stays reachable.
std::u16string BytesToUnits(FuzzBytes bytes);

// A broken property: prints what and detail, then aborts, which libFuzzer
// reports as a crash with the input that caused it.
[[noreturn]] void FuzzFail(const char* what, std::u16string_view detail = {});

#define FUZZ_CHECK(cond, ...)                                    \
    do {                                                         \
        if (!(cond)) FuzzFail(#cond __VA_OPT__(, ) __VA_ARGS__); \
    } while (0)
