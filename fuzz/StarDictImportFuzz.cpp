// Any bytes as a StarDict dictionary: the .ifo, "=====", the .idx,
// "=====", the .dict data (dictzip or gzip when it starts like gzip),
// optionally "=====" and the .syn, through the import.
#include <filesystem>

#include "ImportFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const ImportFuzzInput input = SplitImportFuzzInput(FuzzBytes(data, size));
    if (input.files.size() != 3 && input.files.size() != 4) return 0;
    WriteScratchFile("s.ifo", input.files[0]);
    WriteScratchFile("s.idx", input.files[1]);
    WriteScratchFile("s.dict.dz", input.files[2]);
    std::error_code ec;
    if (input.files.size() == 4) {
        WriteScratchFile("s.syn", input.files[3]);
    } else {
        std::filesystem::remove(FuzzScratchDir() / "s.syn", ec);
    }
    CheckImport(ImportFormat::StarDict, "s.ifo", input.separators);
    return 0;
}
