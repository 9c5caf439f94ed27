#pragma once

#include <stdexcept>

// A list of at most Capacity records held in place. The rules snapshot builds one record
// per cell on every change of turn; holding them inline keeps that free of allocation.
// Records are appended in order and never removed; the list owns them, and a pointer to
// one stays valid as long as the list.
template <typename T, int Capacity>
class CInlineList {
public:
    // Appends a value-initialised record and returns it.
    T* Add()
    {
        if (m_nCount >= Capacity)
            throw std::length_error("CInlineList is full");
        T* item = &m_items[m_nCount++];
        *item = T {};
        return item;
    }
    void Add(const T& value) { *Add() = value; }

    int GetCount() const { return m_nCount; }
    bool IsEmpty() const { return m_nCount == 0; }
    const T& operator[](int i) const { return m_items[i]; }
    const T* begin() const { return m_items; }
    const T* end() const { return m_items + m_nCount; }

private:
    int m_nCount = 0;
    // Left uninitialised on purpose (T is trivial): a 40 x 40 snapshot would otherwise
    // clear 100 KiB for an 8 x 8 board. Only the first m_nCount records are ever read.
    T m_items[Capacity];
};
