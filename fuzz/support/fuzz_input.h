// The bytes of one fuzz input, read from the front as a target's operations
// and their arguments. Reading past the end gives zeros and empty texts, so
// every input, however short, is a valid sequence of operations. The format is
// plain enough to write seed inputs by hand (fuzz/make_seeds.py).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace zt::fuzz {

class FuzzInput {
  public:
    FuzzInput(const std::uint8_t* data, std::size_t size)
        : bytes_(reinterpret_cast<const char*>(data), size)
    {
    }

    bool empty() const { return bytes_.empty(); }

    std::uint8_t byte()
    {
        if (bytes_.empty()) {
            return 0;
        }
        const auto value = static_cast<std::uint8_t>(bytes_.front());
        bytes_.remove_prefix(1);
        return value;
    }

    // A little-endian number of sizeof(T) bytes; missing bytes are zero.
    template <class T> T number()
    {
        unsigned char raw[sizeof(T)] = {};
        const std::size_t taken = bytes_.size() < sizeof raw ? bytes_.size() : sizeof raw;
        std::memcpy(raw, bytes_.data(), taken);
        bytes_.remove_prefix(taken);
        std::uint64_t bits = 0;
        for (std::size_t i = sizeof raw; i > 0; --i) {
            bits = (bits << 8) | raw[i - 1];
        }
        T value;
        if constexpr (sizeof(T) == sizeof(std::uint64_t)) {
            std::memcpy(&value, &bits, sizeof value);
        } else {
            const auto narrow = static_cast<std::uint32_t>(bits);
            std::memcpy(&value, &narrow, sizeof value);
        }
        return value;
    }
    std::int32_t int32() { return number<std::int32_t>(); }
    float real32() { return number<float>(); }

    // The bytes up to the next NUL (which is consumed) or the end: any text a
    // C string can hold.
    std::string text()
    {
        const std::size_t end = bytes_.find('\0');
        const std::string_view taken = bytes_.substr(0, end);
        bytes_.remove_prefix(end == std::string_view::npos ? bytes_.size() : end + 1);
        return std::string(taken);
    }

    // Calls step(op) with op the next byte modulo `kinds`, operation after
    // operation, until the input is used up.
    template <class Step> void each_operation(int kinds, Step&& step)
    {
        while (!empty()) {
            step(byte() % kinds);
        }
    }

    // Everything not read yet.
    std::string_view rest()
    {
        const std::string_view all = bytes_;
        bytes_ = {};
        return all;
    }

  private:
    std::string_view bytes_;
};

} // namespace zt::fuzz
