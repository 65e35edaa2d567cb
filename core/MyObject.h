// Error-carrying base of every core object, the one exception type the core
// throws, and the helpers that compose messages.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// The only exception type thrown by the program's own code. It carries the
// error text; the operation that drives the work catches it by reference.
class CMyObjectThrow {
public:
    explicit CMyObjectThrow(std::u16string text) : m_strError(std::move(text)) {}
    const std::u16string& GetError() const { return m_strError; }

private:
    std::u16string m_strError;
};

// Every core object keeps the text of its last error; operations return a
// success flag and leave the reason here.
class CMyObject {
public:
    CMyObject() = default;
    CMyObject(const CMyObject&) = default;
    CMyObject& operator=(const CMyObject&) = default;
    virtual ~CMyObject() = default;

    void SetError(std::u16string_view text) { m_strError.assign(text); }
    // Loads the text from the string table; an unknown id leaves an empty text.
    void SetError(int nTextId);
    std::u16string GetError() const { return m_strError; }
    void ClearError() { m_strError.clear(); }

    // SetError(text) and throw it.
    [[noreturn]] void ThrowError(std::u16string_view text);

private:
    std::u16string m_strError;
};

// outer + ":" + CR LF + inner: a failure that wraps a lower one.
std::u16string WrapMessage(std::u16string_view outer, std::u16string_view inner);

// Several messages joined by CR LF.
std::u16string JoinMessages(std::initializer_list<std::u16string_view> parts);

// "Error in " + where + "\n" + detail: an internal consistency failure.
std::u16string InternalError(std::u16string_view where, std::u16string_view detail);
