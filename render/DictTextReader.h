// The article text of a compiled dictionary, as the result page reads it.
#pragma once

#include "render/ResultPage.h"

class CDictIndexFile;

// Reads through GetText; a failure gives the dictionary's error text.
ArticleTextReader MakeTextReader(CDictIndexFile& dict);
