#pragma once

#include <new>
#include <stdexcept>

// A list of at most Capacity records held in place. The rules snapshot builds one record
// per cell on every change of turn; holding them inline keeps that free of allocation.
// Records are appended in order and never removed; the list owns them, and a pointer to
// one stays valid as long as the list.
template <typename T, int Capacity>
class CInlineList {
public:
    // Provided rather than defaulted, so that a record holding a list is value-initialised
    // without clearing the list's unused slots.
    CInlineList() noexcept { }

    // Appends a value-initialised record and returns it.
    T* Add()
    {
        if (m_nCount >= Capacity)
            throw std::length_error("CInlineList is full");
        return ::new (static_cast<void*>(m_storage + sizeof(T) * m_nCount++)) T {};
    }
    void Add(const T& value) { *Add() = value; }

    int GetCount() const { return m_nCount; }
    bool IsEmpty() const { return m_nCount == 0; }
    const T& operator[](int i) const { return begin()[i]; }
    const T* begin() const { return std::launder(reinterpret_cast<const T*>(m_storage)); }
    const T* end() const { return begin() + m_nCount; }

private:
    int m_nCount = 0;
    // Raw bytes, so that no slot is touched before its record is appended: a 40 x 40
    // snapshot would otherwise initialise 1600 records for an 8 x 8 board. Only the first
    // m_nCount records exist. (T is trivial, so nothing needs destroying.)
    alignas(T) unsigned char m_storage[sizeof(T) * Capacity];
};
