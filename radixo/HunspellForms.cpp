#include "HunspellForms.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <vector>

#include "DictEncoding.h"

namespace {

using Flag = uint32_t;
using Flags = std::vector<Flag>;

// One letter class of an affix condition: [abc], [^abc] or '.'.
struct CharClass {
    std::u16string letters;
    bool bNegated = false;
    bool bAny = false;
    bool Matches(char16_t c) const {
        return bAny || (letters.find(c) != std::u16string::npos) != bNegated;
    }
};

struct Affix {
    bool bPrefix = false;
    bool bCross = false;
    std::u16string strip;
    std::u16string add;
    Flags continuation;
    std::vector<CharClass> condition;
};

bool Has(const Flags& flags, Flag flag) {
    return flag != 0 && std::find(flags.begin(), flags.end(), flag) != flags.end();
}

class CAffixRules {
public:
    bool Load(const std::string& affPath) {
        std::ifstream file(affPath, std::ios::binary);
        if (!file) return false;
        std::string line;
        std::map<std::string, std::pair<Flag, bool>> headers;  // flag, cross product
        while (std::getline(file, line)) {
            std::istringstream words(line);
            std::string key;
            words >> key;
            if (key == "SET") {
                std::string name;
                words >> name;
                if (!m_encoding.Set(name)) return false;
            } else if (key == "FLAG") {
                words >> m_flagType;
            } else if (key == "NEEDAFFIX" || key == "ONLYINCOMPOUND" || key == "FORBIDDENWORD" ||
                       key == "CIRCUMFIX") {
                std::string flag;
                words >> flag;
                const Flags parsed = ParseFlags(flag);
                if (!parsed.empty()) m_special[key] = parsed[0];
            } else if (key == "ICONV" || key == "IGNORE") {
                // Letters the dictionary reads as others or skips: words with
                // them are words of the dictionary too (don’t).
                std::string from, to;
                if (words >> from && (key == "IGNORE" || words >> to))
                    m_inputLetters.push_back(from);
            } else if (key == "PFX" || key == "SFX") {
                ReadAffixLine(key == "PFX", words);
            } else if (key == "COMPOUNDRULE") {
                // "COMPOUNDRULE 2", then rules such as n*1t or (aa)(bb)*.
                std::string rule;
                words >> rule;
                if (!m_bCompoundRuleCount) {
                    m_bCompoundRuleCount = true;
                    continue;
                }
                ReadCompoundRule(rule);
            } else if (key.starts_with("COMPOUND") || key == "ONLYINCOMPOUND") {
                // COMPOUNDFLAG, COMPOUNDBEGIN and the like name a flag; other
                // COMPOUND... keys only narrow what compounds may be.
                std::string flag;
                words >> flag;
                if (key == "ONLYINCOMPOUND" || key == "COMPOUNDFLAG" || key == "COMPOUNDBEGIN" ||
                    key == "COMPOUNDMIDDLE" || key == "COMPOUNDEND" || key == "COMPOUNDLAST") {
                    for (Flag parsed : ParseFlags(flag))
                        m_compoundFlags.insert(parsed);
                }
            }
        }
        return true;
    }

    // The forms of one word list entry.
    void Expand(std::u16string_view word, const Flags& flags,
                const std::function<void(std::u16string_view)>& visit) const {
        if (Has(flags, Special("FORBIDDENWORD")) || Has(flags, Special("ONLYINCOMPOUND"))) return;
        if (!Has(flags, Special("NEEDAFFIX"))) visit(word);
        for (Flag flag : flags) {
            const auto it = m_affixes.find(flag);
            if (it == m_affixes.end()) continue;
            for (const Affix& affix : it->second) {
                std::u16string form;
                if (!Apply(affix, word, form) || Has(affix.continuation, Special("CIRCUMFIX")))
                    continue;
                if (!Has(affix.continuation, Special("NEEDAFFIX"))) visit(form);
                if (!affix.bPrefix) ExpandSuffixed(form, affix, flags, visit);
            }
        }
        ExpandCircumfixes(word, flags, visit);
    }

    Flags ParseFlags(std::string_view text) const {
        Flags flags;
        if (m_flagType == "long") {
            for (size_t i = 0; i + 1 < text.size(); i += 2)
                flags.push_back(static_cast<uint8_t>(text[i]) << 8 |
                                static_cast<uint8_t>(text[i + 1]));
        } else if (m_flagType == "num") {
            std::istringstream numbers{std::string(text)};
            std::string number;
            while (std::getline(numbers, number, ','))
                if (!number.empty()) flags.push_back(static_cast<Flag>(std::stoul(number)));
        } else if (m_flagType == "UTF-8") {
            CDictEncoding utf8;
            for (char16_t c : utf8.ToWide(text))
                flags.push_back(c);
        } else {
            for (char c : text)
                flags.push_back(static_cast<uint8_t>(c));
        }
        return flags;
    }

    std::u16string ToWide(std::string_view bytes) const { return m_encoding.ToWide(bytes); }
    const std::vector<std::string>& InputLetters() const { return m_inputLetters; }

    bool IsCompoundPart(const Flags& flags) const {
        return std::any_of(flags.begin(), flags.end(),
                           [&](Flag flag) { return m_compoundFlags.contains(flag); });
    }
    bool TakesAffixes(const Flags& flags) const {
        return std::any_of(flags.begin(), flags.end(),
                           [&](Flag flag) { return m_affixes.contains(flag); });
    }
    // Whether an affix may lead into a compound.
    bool AffixesAllowCompounds() const {
        for (const auto& entry : m_affixes) {
            if (m_compoundFlags.contains(entry.first)) return true;
            for (const Affix& affix : entry.second)
                if (IsCompoundPart(affix.continuation)) return true;
        }
        return false;
    }

private:
    Flag Special(const std::string& key) const {
        const auto it = m_special.find(key);
        return it == m_special.end() ? 0 : it->second;
    }

    // "SFX A Y 3" opens the rules of a flag (cross product, count); then
    // "SFX A strip add[/flags] condition" per rule.
    void ReadAffixLine(bool bPrefix, std::istringstream& words) {
        std::string flagText, strip, add, condition;
        if (!(words >> flagText >> strip >> add)) return;
        const Flags parsed = ParseFlags(flagText);
        if (parsed.empty()) return;
        const Flag flag = parsed[0];
        if (!m_cross.contains(flag)) {
            m_cross[flag] = strip == "Y";
            return;
        }
        words >> condition;
        Affix affix;
        affix.bPrefix = bPrefix;
        affix.bCross = m_cross[flag];
        affix.strip = strip == "0" ? u"" : ToWide(strip);
        const size_t nSlash = add.find('/');
        if (nSlash != std::string::npos) affix.continuation = ParseFlags(add.substr(nSlash + 1));
        const std::string addText = add.substr(0, nSlash);
        affix.add = addText == "0" ? u"" : ToWide(addText);
        affix.condition = ParseCondition(condition.empty() ? u"." : ToWide(condition));
        m_affixes[flag].push_back(std::move(affix));
    }

    // Every flag a rule names, whatever its repetition marks.
    void ReadCompoundRule(std::string_view rule) {
        if (rule.find('(') == std::string_view::npos) {
            for (char c : rule)
                if (c != '*' && c != '?')
                    for (Flag flag : ParseFlags(std::string_view(&c, 1)))
                        m_compoundFlags.insert(flag);
            return;
        }
        for (size_t nOpen = rule.find('('); nOpen != std::string_view::npos;
             nOpen = rule.find('(', nOpen + 1)) {
            const size_t nClose = rule.find(')', nOpen);
            if (nClose == std::string_view::npos) break;
            for (Flag flag : ParseFlags(rule.substr(nOpen + 1, nClose - nOpen - 1)))
                m_compoundFlags.insert(flag);
        }
    }

    static std::vector<CharClass> ParseCondition(std::u16string_view text) {
        std::vector<CharClass> classes;
        for (size_t i = 0; i < text.size(); ++i) {
            CharClass cls;
            if (text[i] == u'.') {
                cls.bAny = true;
            } else if (text[i] == u'[') {
                const size_t nClose = text.find(u']', i);
                std::u16string_view inside = text.substr(i + 1, nClose - i - 1);
                if (!inside.empty() && inside[0] == u'^') {
                    cls.bNegated = true;
                    inside.remove_prefix(1);
                }
                cls.letters = inside;
                i = nClose == std::u16string_view::npos ? text.size() : nClose;
            } else {
                cls.letters = text[i];
            }
            classes.push_back(std::move(cls));
        }
        return classes;
    }

    static bool Apply(const Affix& affix, std::u16string_view word, std::u16string& form) {
        const size_t n = affix.condition.size();
        if (word.size() < n || word.size() < affix.strip.size()) return false;
        if (affix.bPrefix) {
            if (!word.starts_with(affix.strip)) return false;
            for (size_t i = 0; i < n; ++i)
                if (!affix.condition[i].Matches(word[i])) return false;
            form = affix.add + std::u16string(word.substr(affix.strip.size()));
        } else {
            if (!word.ends_with(affix.strip)) return false;
            for (size_t i = 0; i < n; ++i)
                if (!affix.condition[i].Matches(word[word.size() - n + i])) return false;
            form = std::u16string(word.substr(0, word.size() - affix.strip.size())) + affix.add;
        }
        return !form.empty();
    }

    // A second suffix the first allows, and prefixes where both allow it.
    void ExpandSuffixed(const std::u16string& form, const Affix& suffix, const Flags& flags,
                        const std::function<void(std::u16string_view)>& visit) const {
        for (Flag flag : suffix.continuation) {
            const auto it = m_affixes.find(flag);
            if (it == m_affixes.end()) continue;
            for (const Affix& second : it->second) {
                std::u16string twice;
                if (!second.bPrefix && Apply(second, form, twice)) visit(twice);
            }
        }
        if (!suffix.bCross) return;
        for (Flag flag : flags) {
            const auto it = m_affixes.find(flag);
            if (it == m_affixes.end()) continue;
            for (const Affix& prefix : it->second) {
                std::u16string both;
                if (prefix.bPrefix && prefix.bCross &&
                    !Has(prefix.continuation, Special("CIRCUMFIX")) && Apply(prefix, form, both))
                    visit(both);
            }
        }
    }

    // ge...t: a prefix and a suffix that only come together.
    void ExpandCircumfixes(std::u16string_view word, const Flags& flags,
                           const std::function<void(std::u16string_view)>& visit) const {
        const Flag circumfix = Special("CIRCUMFIX");
        if (circumfix == 0) return;
        for (Flag suffixFlag : flags) {
            const auto suffixes = m_affixes.find(suffixFlag);
            if (suffixes == m_affixes.end()) continue;
            for (const Affix& suffix : suffixes->second) {
                std::u16string suffixed;
                if (suffix.bPrefix || !Has(suffix.continuation, circumfix) ||
                    !Apply(suffix, word, suffixed))
                    continue;
                for (Flag prefixFlag : flags) {
                    const auto prefixes = m_affixes.find(prefixFlag);
                    if (prefixes == m_affixes.end()) continue;
                    for (const Affix& prefix : prefixes->second) {
                        std::u16string both;
                        if (prefix.bPrefix && Has(prefix.continuation, circumfix) &&
                            Apply(prefix, suffixed, both))
                            visit(both);
                    }
                }
            }
        }
    }

    CDictEncoding m_encoding;
    std::string m_flagType = "char";
    std::map<std::string, Flag> m_special;
    std::map<Flag, bool> m_cross;
    std::map<Flag, std::vector<Affix>> m_affixes;
    std::vector<std::string> m_inputLetters;
    std::set<Flag> m_compoundFlags;
    bool m_bCompoundRuleCount = false;
};

// Calls visit(word, flags) for every entry of the word list.
template <typename Visit>
bool ForEachEntry(const CAffixRules& rules, const std::string& dicPath, const Visit& visit) {
    std::ifstream file(dicPath, std::ios::binary);
    if (!file) return false;
    std::string line;
    std::getline(file, line);  // the number of entries
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '\t' || line[0] == ' ' || line[0] == '#') continue;
        line = line.substr(0, line.find_first_of("\t\r"));
        // "word/flags"; a slash escaped as "\/" belongs to the word.
        size_t nSlash = line.find('/');
        while (nSlash != std::string::npos && nSlash > 0 && line[nSlash - 1] == '\\')
            nSlash = line.find('/', nSlash + 1);
        std::string word = line.substr(0, nSlash);
        std::erase(word, '\\');
        const std::string flagText = nSlash == std::string::npos ? "" : line.substr(nSlash + 1);
        const std::string flags = flagText.substr(0, flagText.find(' '));
        if (!word.empty()) visit(rules.ToWide(word), rules.ParseFlags(flags));
    }
    return true;
}

}  // namespace

bool ForEachHunspellForm(const std::string& affPath, const std::string& dicPath,
                         const std::function<void(std::u16string_view form)>& visit) {
    CAffixRules rules;
    if (!rules.Load(affPath)) return false;
    for (const std::string& letters : rules.InputLetters())
        visit(rules.ToWide(letters));
    return ForEachEntry(rules, dicPath, [&](const std::u16string& word, const Flags& flags) {
        rules.Expand(word, flags, visit);
    });
}

std::optional<HunspellBeyondForms> ReadHunspellBeyondForms(const std::string& affPath,
                                                           const std::string& dicPath) {
    CAffixRules rules;
    if (!rules.Load(affPath) || rules.AffixesAllowCompounds()) return std::nullopt;
    HunspellBeyondForms beyond;
    for (const std::string& letters : rules.InputLetters())
        beyond.inputLetters += rules.ToWide(letters);
    bool bAffixedParts = false;
    const bool bRead =
        ForEachEntry(rules, dicPath, [&](const std::u16string& word, const Flags& flags) {
            if (!rules.IsCompoundPart(flags)) return;
            bAffixedParts = bAffixedParts || rules.TakesAffixes(flags);
            beyond.compoundParts.push_back(word);
        });
    if (!bRead || bAffixedParts) return std::nullopt;
    return beyond;
}
