// What the 32-bit x86 Windows calling conventions make of a function's
// declared type: who removes the arguments, how many bytes of stack they take,
// and the kind of each argument word and of the result. Works on the types of
// the declarations, so it serves compile-time checks and tests alike.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace zt::abi {

enum class Convention { caller, callee };

// The argument words a test passes; one per 32-bit parameter (`other` for a
// parameter of any other kind, which a test cannot make up).
enum class Word { real, integer, text, buffer, other };

// How a result comes back: in EAX (integers, pointers), on the x87 stack
// (double), or not at all.
enum class ResultKind { none, integer, real };

// Each argument takes its size rounded up to whole 4-byte stack slots.
template <typename T> inline constexpr std::size_t stack_bytes = (sizeof(T) + 3) / 4 * 4;

template <typename T> constexpr Word word_of()
{
    if constexpr (std::is_same_v<T, float>) {
        return Word::real;
    } else if constexpr (std::is_same_v<T, const char*>) {
        return Word::text;
    } else if constexpr (std::is_same_v<T, char*>) {
        return Word::buffer;
    } else {
        static_assert(std::is_integral_v<T> && sizeof(T) == 4,
                      "a parameter of a kind not known here");
        return Word::integer;
    }
}

template <typename R> constexpr ResultKind result_of()
{
    if constexpr (std::is_void_v<R>) {
        return ResultKind::none;
    } else if constexpr (std::is_floating_point_v<R>) {
        return ResultKind::real;
    } else {
        return ResultKind::integer;
    }
}

inline constexpr std::size_t most_words = 8;

struct Signature {
    Convention convention;
    std::size_t argument_bytes;
    ResultKind result;
    std::size_t word_count;
    std::array<Word, most_words> words;
};

template <Convention convention, typename R, typename... A> constexpr Signature make_signature()
{
    static_assert(sizeof...(A) <= most_words);
    return {convention,
            (std::size_t{0} + ... + stack_bytes<A>),
            result_of<R>(),
            sizeof...(A),
            {word_of<A>()...}};
}

// The convention is part of a function's type on 32-bit x86, so overloads on
// the pointer type tell __cdecl and __stdcall functions apart.
template <typename R, typename... A> constexpr Signature signature_of(R(__cdecl*)(A...))
{
    return make_signature<Convention::caller, R, A...>();
}

template <typename R, typename... A> constexpr Signature signature_of(R(__stdcall*)(A...))
{
    return make_signature<Convention::callee, R, A...>();
}

} // namespace zt::abi
