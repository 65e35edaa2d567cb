#include "SourceText.h"

#include "core/StringTable.h"

std::u16string LineErrorText(int32_t nLine, std::u16string_view strMessage) {
    std::u16string text = FormatTextId(41306, {int64_t{nLine}});
    text += u"\r\n";
    text += strMessage;
    return text;
}
