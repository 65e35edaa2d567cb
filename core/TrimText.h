// Cutting blanks off both ends of a text; each caller says what is blank.
#pragma once

// text: a std::string_view or std::u16string_view.
template <class TText, class TIsBlank>
TText TrimmedIf(TText text, TIsBlank isBlank) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}
