#pragma once

#include <utility>
#include <vector>

// A list that owns its records, one heap allocation each, kept in insertion order.
// Destruction and emptying delete the records from the last to the first, lowering the
// count before each delete, so a record's destructor never sees itself still listed.
template <typename T> class COwningList {
public:
    COwningList() = default;
    COwningList(const COwningList&) = delete;
    COwningList& operator=(const COwningList&) = delete;
    ~COwningList() { RemoveAll(); }

    template <typename... Args> T* Add(Args&&... args)
    {
        T* item = new T { std::forward<Args>(args)... };
        m_items.push_back(item);
        return item;
    }

    // Takes the first record out: returns a copy, deletes it and closes the gap. The list
    // must not be empty.
    T PopFront()
    {
        T* first = m_items.front();
        m_items.erase(m_items.begin());
        T value = *first;
        delete first;
        return value;
    }

    void RemoveAll()
    {
        while (!m_items.empty()) {
            T* last = m_items.back();
            m_items.pop_back();
            delete last;
        }
        m_items.shrink_to_fit();
    }

    int GetCount() const { return static_cast<int>(m_items.size()); }
    bool IsEmpty() const { return m_items.empty(); }
    T* GetAt(int i) const { return m_items[static_cast<size_t>(i)]; }

private:
    std::vector<T*> m_items;
};
