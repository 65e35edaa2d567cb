// A word list of our own: lines "lemma: form form ...", '#' starts a comment.
// The lemma is a form of itself. A form may carry brace groups that expand to
// every alternative: "ging{,st,en,t}" gives ging, gingst, gingen, gingt.
// A form listed under several lemmas gives all of them, in file order.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class CFormList {
public:
    // Forms are looked up lower-cased and, with bFoldYo, with ё read as е.
    // False when the file cannot be read or a line has no ':'.
    bool Load(const std::string& path, bool bFoldYo);
    // The lemmas of a lower-cased form, or nullptr.
    const std::vector<std::u16string>* Find(std::u16string_view form) const;
    bool IsEmpty() const { return m_forms.empty(); }
    // Every form the list holds, as it is looked up.
    template <typename Visit>
    void ForEachForm(Visit visit) const {
        for (const auto& entry : m_forms)
            visit(entry.first);
    }

private:
    std::u16string Key(std::u16string_view form) const;
    void AddForm(std::u16string_view form, const std::u16string& lemma);

    std::unordered_map<std::u16string, std::vector<std::u16string>> m_forms;
    bool m_bFoldYo = false;
};

// Every spelling a form with brace groups stands for.
std::vector<std::u16string> ExpandBraces(std::u16string_view form);
