// The search field's history: most recent first, no two items equal without
// regard to case, kept between runs in the per-user store.
#pragma once

#include <optional>

#include <QString>
#include <QStringList>

// The per-user store of the history values (section "ComboHistory").
class CHistoryStore {
public:
    virtual ~CHistoryStore() = default;
    // Nothing when the value does not exist.
    virtual std::optional<QString> Read(const QString& strName) const = 0;
    virtual void Write(const QString& strName, const QString& strValue) = 0;
    virtual void Remove(const QString& strName) = 0;
};

class CSearchHistory {
public:
    static constexpr int kMaxSavedItems = 100;
    static constexpr int kMaxItemLength = 255;

    // Trims the text; an empty text is not added. The text goes to the top
    // and an item equal to it without regard to case further down goes.
    // Returns the added text (trimmed), or nothing.
    std::optional<QString> Add(const QString& strText);

    // The stored items, then the stored current item on top.
    void Load(const CHistoryStore& store);
    // The first 100 items, and strCurrent (an item of the list, or empty)
    // as the current value. Nothing is written for an empty list.
    void Save(CHistoryStore& store, const QString& strCurrent) const;
    // Empties the list and the store.
    void Delete(CHistoryStore& store);

    const QStringList& Items() const { return m_items; }

private:
    static void RemoveStored(CHistoryStore& store);

    QStringList m_items;
};
