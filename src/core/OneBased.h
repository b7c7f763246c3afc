#pragma once

#include <cstddef>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

namespace quintara {

// Raised by a checked access outside 1..Size() of a OneBased array.
class IndexError : public std::out_of_range {
public:
    using std::out_of_range::out_of_range;
};

// An array indexed 1..Size(); element 0 exists, is never used, and an emptied array keeps only it.
template <class T>
class OneBased {
public:
    OneBased() : m_items(1) {}
    explicit OneBased(std::size_t size) : m_items(size + 1) {}
    OneBased(std::initializer_list<T> items) : m_items(1) { m_items.insert(m_items.end(), items); }

    static OneBased FromVector(std::vector<T> items) {
        OneBased result;
        result.m_items.reserve(items.size() + 1);
        for (auto& item : items) {
            result.m_items.push_back(std::move(item));
        }
        return result;
    }

    std::size_t Size() const { return m_items.size() - 1; }
    bool Empty() const { return Size() == 0; }

    T& operator[](std::size_t index) { return m_items[Checked(index)]; }
    const T& operator[](std::size_t index) const { return m_items[Checked(index)]; }

    void Clear() { m_items.assign(1, T{}); }
    void Resize(std::size_t size) { m_items.resize(size + 1); }
    void PushBack(T item) { m_items.push_back(std::move(item)); }
    void Reserve(std::size_t size) { m_items.reserve(size + 1); }

    // Iteration covers 1..Size() only.
    auto begin() { return m_items.begin() + 1; }
    auto end() { return m_items.end(); }
    auto begin() const { return m_items.begin() + 1; }
    auto end() const { return m_items.end(); }

    std::vector<T> ToVector() const { return std::vector<T>(begin(), end()); }
    bool operator==(const OneBased&) const = default;

private:
    std::size_t Checked(std::size_t index) const {
        if (index < 1 || index >= m_items.size()) [[unlikely]] {
            ThrowOutside(index);
        }
        return index;
    }
    // Kept out of line so that the check itself inlines into the loops over statistics and lines.
    [[noreturn, gnu::noinline, gnu::cold]] void ThrowOutside(std::size_t index) const {
        throw IndexError("index " + std::to_string(index) + " outside 1.." + std::to_string(Size()));
    }
    std::vector<T> m_items;
};

}  // namespace quintara
