// A growable array of plain values (trivially copyable) that allocates only
// through operator new and reports only std::bad_alloc. The standard
// containers would do as well, but their out-of-line length and range errors
// bring the standard library's strings and its whole exception hierarchy into
// the shipped DLL, a third of its size.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <iterator>
#include <new>
#include <type_traits>

namespace zt::hotspots {

template <class T> class LeanArray {
    static_assert(std::is_trivially_copyable_v<T> && std::is_trivially_destructible_v<T>);
    // The size of a value, which may well be a pointer.
    static constexpr std::size_t value_bytes = sizeof(T); // NOLINT(bugprone-sizeof-expression)

  public:
    LeanArray() = default;
    ~LeanArray() { ::operator delete(data_); }
    LeanArray(const LeanArray&) = delete;
    LeanArray& operator=(const LeanArray&) = delete;

    std::size_t size() const noexcept { return size_; }
    bool empty() const noexcept { return size_ == 0; }
    T* begin() noexcept { return data_; }
    T* end() noexcept { return data_ + size_; }
    const T* begin() const noexcept { return data_; }
    const T* end() const noexcept { return data_ + size_; }
    std::reverse_iterator<const T*> rbegin() const noexcept
    {
        return std::reverse_iterator<const T*>(end());
    }
    std::reverse_iterator<const T*> rend() const noexcept
    {
        return std::reverse_iterator<const T*>(begin());
    }
    T& operator[](std::size_t index) noexcept { return data_[index]; }
    const T& operator[](std::size_t index) const noexcept { return data_[index]; }

    // Makes room for `count` values in all, at least doubling what there is.
    // Throws std::bad_alloc, and then keeps what it had.
    void reserve(std::size_t count)
    {
        if (count <= capacity_) {
            return;
        }
        constexpr std::size_t most = static_cast<std::size_t>(-1) / value_bytes;
        const std::size_t grown = std::max(count, capacity_ <= most / 2 ? capacity_ * 2 : most);
        if (grown > most) {
            throw std::bad_alloc();
        }
        T* data = static_cast<T*>(::operator new(grown* value_bytes));
        if (size_ != 0) {
            std::memcpy(data, data_, size_ * value_bytes);
        }
        ::operator delete(data_);
        data_ = data;
        capacity_ = grown;
    }
    // Appends into room made by reserve().
    void push_back(const T& value) noexcept { data_[size_++] = value; }
    // Makes the array `count` values long, each value-initialised. Throws std::bad_alloc.
    void assign_zeroed(std::size_t count)
    {
        reserve(count);
        std::fill_n(data_, count, T{});
        size_ = count;
    }
    void swap(LeanArray& other) noexcept
    {
        std::swap(data_, other.data_);
        std::swap(size_, other.size_);
        std::swap(capacity_, other.capacity_);
    }
    // Empties the array and gives its memory back.
    void reset() noexcept
    {
        ::operator delete(data_);
        data_ = nullptr;
        size_ = capacity_ = 0;
    }

  private:
    T* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

} // namespace zt::hotspots
