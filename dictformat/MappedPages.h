// Gives back the resident pages of a read-only file mapping that a reader
// has passed. The mapping stays valid: a later read of those bytes fetches
// them again from the file system's cache.
#pragma once

#include <cstddef>
#include <string_view>

void ReleaseMappedPages(std::string_view view, size_t nUpTo);
