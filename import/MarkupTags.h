// What each tag of an imported dictionary's markup becomes in the source.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "MarkupConverter.h"

enum class TagAction {
    Drop,             // the tag goes, its content stays
    DropWithContent,  // the tag and everything up to its end tag go
    Keep,             // written as the HTML tag strOutput, with the attributes the page can use
    LineBreak,        // a line break
    Brackets,         // its content in square brackets (a transcription)
    FindLink,         // a link that searches its own text
    Colour,           // a FONT tag of the colour in attribute strAttr, else strOutput
};

struct TagRule {
    TagAction action = TagAction::Drop;
    std::u16string_view strOutput;
    std::u16string_view strAttr;
    bool bVoid = false;  // has no content and no end tag
};

// name in lower case.
TagRule FindTagRule(MarkupDialect dialect, std::u16string_view strName);

struct OutputTag {
    std::u16string strOpen;   // a tag, or empty
    std::u16string strText;   // plain text after it
    std::u16string strClose;  // tags and text that close the element
};

using TagAttributes = std::vector<std::pair<std::u16string, std::u16string>>;

OutputTag MakeOutputTag(const TagRule& rule, const TagAttributes& attributes);
