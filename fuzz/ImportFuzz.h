// What the fuzz programs of the import readers share: the input cut into
// the files of a dictionary, and the run of one import with its checks.
#pragma once

#include <string_view>
#include <vector>

#include "FuzzSupport.h"
#include "import/DictImport.h"

// The files of one input, cut apart at each line "=====". The first byte
// chooses the separator settings the source is written for.
struct ImportFuzzInput {
    CSeparatorSettings separators;
    std::vector<FuzzBytes> files;
};
ImportFuzzInput SplitImportFuzzInput(FuzzBytes bytes);

// Imports input (a path in the scratch folder). Either the import fails
// with a message naming a file of the scratch folder and leaves no source,
// or it succeeds and the compiler's check pass accepts the source with
// every article it wrote.
void CheckImport(ImportFormat format, std::string_view input, const CSeparatorSettings& separators);
