// What a search would cover: every group in order, the current one marked,
// and each group's dictionaries with their state, names and counts.
#pragma once

#include <iosfwd>

#include "shell/LookupOptions.h"

class CDictSession;

// Text: one line a group ("* " marks the current one), one line a
// dictionary under it. Json: one object with the array "groups".
void PrintGroupList(const CDictSession& session, OutputFormat format, std::ostream& out);
