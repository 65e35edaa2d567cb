#include "MarkupTags.h"

#include <array>

namespace {

struct NamedRule {
    std::u16string_view name;
    TagRule rule;
};

constexpr TagRule Keep(std::u16string_view out, bool bVoid = false) {
    return {TagAction::Keep, out, {}, bVoid};
}

constexpr TagRule Act(TagAction action, std::u16string_view out = {},
                      std::u16string_view attr = {}) {
    return {action, out, attr, false};
}

// Tags of rich text that the result page shows, in HTML and in the other
// dialects alike.
constexpr std::array kCommonTags{
    NamedRule{u"b", Keep(u"B")},
    NamedRule{u"i", Keep(u"I")},
    NamedRule{u"u", Keep(u"U")},
    NamedRule{u"s", Keep(u"S")},
    NamedRule{u"sub", Keep(u"SUB")},
    NamedRule{u"sup", Keep(u"SUP")},
    NamedRule{u"big", Keep(u"BIG")},
    NamedRule{u"small", Keep(u"SMALL")},
    NamedRule{u"tt", Keep(u"TT")},
    NamedRule{u"br", {TagAction::LineBreak, {}, {}, true}},
    NamedRule{u"blockquote", Keep(u"BLOCKQUOTE")},
};

constexpr std::array kHtmlTags{
    NamedRule{u"strong", Keep(u"STRONG")},
    NamedRule{u"em", Keep(u"EM")},
    NamedRule{u"strike", Keep(u"STRIKE")},
    NamedRule{u"del", Keep(u"DEL")},
    NamedRule{u"ins", Keep(u"INS")},
    NamedRule{u"code", Keep(u"CODE")},
    NamedRule{u"kbd", Keep(u"KBD")},
    NamedRule{u"var", Keep(u"VAR")},
    NamedRule{u"cite", Keep(u"CITE")},
    NamedRule{u"dfn", Keep(u"DFN")},
    NamedRule{u"font", Keep(u"FONT")},
    NamedRule{u"span", Keep(u"SPAN")},
    NamedRule{u"div", Keep(u"DIV")},
    NamedRule{u"p", Keep(u"P")},
    NamedRule{u"hr", Keep(u"HR", true)},
    NamedRule{u"a", Keep(u"A")},
    NamedRule{u"ul", Keep(u"UL")},
    NamedRule{u"ol", Keep(u"OL")},
    NamedRule{u"li", Keep(u"LI")},
    NamedRule{u"dl", Keep(u"DL")},
    NamedRule{u"dt", Keep(u"DT")},
    NamedRule{u"dd", Keep(u"DD")},
    NamedRule{u"pre", Keep(u"PRE")},
    NamedRule{u"center", Keep(u"CENTER")},
    NamedRule{u"table", Keep(u"TABLE")},
    NamedRule{u"tr", Keep(u"TR")},
    NamedRule{u"td", Keep(u"TD")},
    NamedRule{u"th", Keep(u"TH")},
    NamedRule{u"tbody", Keep(u"TBODY")},
    NamedRule{u"thead", Keep(u"THEAD")},
    NamedRule{u"h1", Keep(u"H1")},
    NamedRule{u"h2", Keep(u"H2")},
    NamedRule{u"h3", Keep(u"H3")},
    NamedRule{u"h4", Keep(u"H4")},
    NamedRule{u"h5", Keep(u"H5")},
    NamedRule{u"h6", Keep(u"H6")},
    NamedRule{u"script", Act(TagAction::DropWithContent)},
    NamedRule{u"style", Act(TagAction::DropWithContent)},
    NamedRule{u"head", Act(TagAction::DropWithContent)},
};

constexpr std::array kXdxfTags{
    NamedRule{u"k", Keep(u"B")},
    NamedRule{u"tr", Act(TagAction::Brackets)},
    NamedRule{u"kref", Act(TagAction::FindLink)},
    NamedRule{u"iref", Keep(u"A")},
    NamedRule{u"ex", Act(TagAction::Colour, u"#5F5F5F")},
    NamedRule{u"abr", Act(TagAction::Colour, u"green")},
    NamedRule{u"gr", Act(TagAction::Colour, u"green")},
    NamedRule{u"c", Act(TagAction::Colour, u"green", u"c")},
    NamedRule{u"rref", Act(TagAction::DropWithContent)},
};

constexpr std::array kPangoTags{
    NamedRule{u"span", Act(TagAction::Colour, {}, u"foreground")},
};

template <size_t N>
const TagRule* Find(const std::array<NamedRule, N>& table, std::u16string_view strName) {
    for (const NamedRule& entry : table)
        if (entry.name == strName) return &entry.rule;
    return nullptr;
}

// Attribute values go into the tag in double quotes: whatever could end
// the quote or the tag, or break the line, goes.
std::u16string CleanValue(std::u16string_view value) {
    std::u16string out;
    for (char16_t c : value) {
        if (c == u'<' || c == u'>' || c == u'"') continue;
        out += c < 0x20 ? u' ' : c;
        if (out.size() >= 200) break;
    }
    return out;
}

bool IsKeptAttribute(std::u16string_view name) {
    static constexpr std::array kKept{
        u"href",  u"color",  u"face",   u"size",        u"style",       u"colspan", u"rowspan",
        u"align", u"valign", u"border", u"cellpadding", u"cellspacing", u"width"};
    for (std::u16string_view kept : kKept)
        if (kept == name) return true;
    return false;
}

// StarDict's links to another headword search it here; script addresses
// are not kept.
std::u16string LinkAddress(std::u16string value) {
    if (value.starts_with(u"bword://")) return u"find://" + value.substr(8);
    std::u16string lower = value.substr(0, 11);
    for (char16_t& c : lower)
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + 32);
    return lower.starts_with(u"javascript:") ? std::u16string() : value;
}

std::u16string AttributeValue(const TagAttributes& attributes, std::u16string_view name) {
    for (const auto& [attr, value] : attributes)
        if (attr == name) return CleanValue(value);
    return {};
}

}  // namespace

TagRule FindTagRule(MarkupDialect dialect, std::u16string_view strName) {
    if (dialect == MarkupDialect::Xml) {
        return strName == u"br" ? TagRule{TagAction::LineBreak, {}, {}, true} : TagRule{};
    }
    const TagRule* rule = nullptr;
    if (dialect == MarkupDialect::Html) rule = Find(kHtmlTags, strName);
    if (dialect == MarkupDialect::Xdxf) rule = Find(kXdxfTags, strName);
    if (dialect == MarkupDialect::Pango) rule = Find(kPangoTags, strName);
    if (rule == nullptr) rule = Find(kCommonTags, strName);
    return rule != nullptr ? *rule : TagRule{};
}

OutputTag MakeOutputTag(const TagRule& rule, const TagAttributes& attributes) {
    OutputTag out;
    switch (rule.action) {
        case TagAction::Keep: {
            out.strOpen = u"<" + std::u16string(rule.strOutput);
            for (const auto& [name, value] : attributes) {
                if (!IsKeptAttribute(name)) continue;
                std::u16string clean = CleanValue(value);
                if (name == u"href") clean = LinkAddress(clean);
                if (!clean.empty()) out.strOpen += u" " + name + u"=\"" + clean + u"\"";
            }
            out.strOpen += u">";
            if (!rule.bVoid) out.strClose = u"</" + std::u16string(rule.strOutput) + u">";
            break;
        }
        case TagAction::Brackets:
            out.strText = u"[";
            out.strClose = u"]";
            break;
        case TagAction::FindLink:
            out.strOpen = u"<A href=\"find\">";
            out.strClose = u"</A>";
            break;
        case TagAction::Colour: {
            std::u16string colour = AttributeValue(attributes, rule.strAttr);
            if (colour.empty()) colour = rule.strOutput;
            if (colour.empty()) break;
            out.strOpen = u"<FONT color=\"" + colour + u"\">";
            out.strClose = u"</FONT>";
            break;
        }
        default:
            break;
    }
    return out;
}
