// Recent answers of one language module. Two generations: when the current
// one is full it becomes the previous one and the oldest answers go, so a
// word in steady use stays while memory stays bounded.
#pragma once

#include <cstddef>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

class CLemmaCache {
public:
    using Lemmas = std::vector<std::string>;

    explicit CLemmaCache(size_t nGenerationSize = 32768) : m_nGenerationSize(nGenerationSize) {}

    // The answer for a word, or nullptr. Valid until the next Insert.
    const Lemmas* Find(const std::string& word) {
        if (auto it = m_current.find(word); it != m_current.end()) return &it->second;
        auto it = m_previous.find(word);
        if (it == m_previous.end()) return nullptr;
        return &Insert(word, std::move(it->second));
    }

    const Lemmas& Insert(const std::string& word, Lemmas lemmas) {
        if (m_current.size() >= m_nGenerationSize) {
            m_previous = std::move(m_current);
            m_current.clear();
        }
        return m_current.insert_or_assign(word, std::move(lemmas)).first->second;
    }

    void Clear() {
        m_current.clear();
        m_previous.clear();
    }

private:
    size_t m_nGenerationSize;
    std::unordered_map<std::string, Lemmas> m_current;
    std::unordered_map<std::string, Lemmas> m_previous;
};
