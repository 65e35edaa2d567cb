// Any bytes as a dictd database: the .index, "=====", the .dict data (read
// as dictzip or gzip when it starts like gzip), through the import.
#include "ImportFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const ImportFuzzInput input = SplitImportFuzzInput(FuzzBytes(data, size));
    if (input.files.size() != 2) return 0;
    WriteScratchFile("d.index", input.files[0]);
    WriteScratchFile("d.dict.dz", input.files[1]);
    CheckImport(ImportFormat::Dictd, "d.index", input.separators);
    return 0;
}
