#include "MyObject.h"

#include "StringTable.h"

void CMyObject::SetError(int nTextId) {
    m_strError = LoadText(nTextId).value_or(std::u16string());
}

void CMyObject::ThrowError(std::u16string_view text) {
    SetError(text);
    throw CMyObjectThrow(m_strError);
}

std::u16string WrapMessage(std::u16string_view outer, std::u16string_view inner) {
    std::u16string result(outer);
    result += u":\r\n";
    result += inner;
    return result;
}

std::u16string JoinMessages(std::initializer_list<std::u16string_view> parts) {
    std::u16string result;
    bool first = true;
    for (std::u16string_view part : parts) {
        if (!first) result += u"\r\n";
        result += part;
        first = false;
    }
    return result;
}

std::u16string InternalError(std::u16string_view where, std::u16string_view detail) {
    std::u16string result(u"Error in ");
    result += where;
    result += u"\n";
    result += detail;
    return result;
}
