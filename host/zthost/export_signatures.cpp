#include "export_signatures.h"

#include "ztfunc32.h"

#include <array>
#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

namespace zthost {
namespace {

template <class T> constexpr ParameterType parameter_type()
{
    if constexpr (std::is_same_v<T, float>) {
        return ParameterType::real;
    } else if constexpr (std::is_same_v<T, std::int32_t>) {
        return ParameterType::integer;
    } else {
        static_assert(std::is_same_v<T, const char*>);
        return ParameterType::text;
    }
}

template <class R> constexpr CallResult::Kind result_kind()
{
    if constexpr (std::is_same_v<R, double>) {
        return CallResult::Kind::real;
    } else if constexpr (std::is_same_v<R, std::int32_t>) {
        return CallResult::Kind::integer;
    } else if constexpr (std::is_same_v<R, const char*>) {
        return CallResult::Kind::text;
    } else {
        static_assert(std::is_void_v<R>);
        return CallResult::Kind::none;
    }
}

template <class T> T argument(const Value& value)
{
    if constexpr (std::is_same_v<T, float>) {
        return static_cast<float>(
            value.kind == Value::Kind::real ? value.real : static_cast<double>(value.integer));
    } else if constexpr (std::is_same_v<T, std::int32_t>) {
        return static_cast<std::int32_t>(value.integer);
    } else {
        return value.text.c_str();
    }
}

template <class Function, class R, class... A, std::size_t... I>
CallResult call(void* address, const std::vector<Value>& arguments, std::index_sequence<I...>)
{
    const auto function = reinterpret_cast<Function>(address);
    CallResult result;
    result.kind = result_kind<R>();
    if constexpr (std::is_void_v<R>) {
        function(argument<A>(arguments[I])...);
    } else if constexpr (std::is_same_v<R, double>) {
        result.real = function(argument<A>(arguments[I])...);
    } else if constexpr (std::is_same_v<R, std::int32_t>) {
        result.integer = function(argument<A>(arguments[I])...);
    } else {
        const char* text = function(argument<A>(arguments[I])...);
        if (text != nullptr) {
            result.text = text;
        }
    }
    return result;
}

template <class Function, class R, class... A>
ExportSignature signature_of(std::string_view name, Convention convention)
{
    return {name,
            {parameter_type<A>()...},
            result_kind<R>(),
            convention,
            [](void* address, const std::vector<Value>& arguments) {
                return call<Function, R, A...>(address, arguments, std::index_sequence_for<A...>{});
            }};
}

// The signature of the export `name` whose pointer type (as declared, with
// its calling convention on 32-bit Windows, where the two differ) is
// `Function`.
template <class Function, class R, class... A>
ExportSignature row_of(std::string_view name, Convention convention, R(ZT_CALLER*)(A...) noexcept)
{
    return signature_of<Function, R, A...>(name, convention);
}
#if defined(_WIN32) && !defined(_WIN64)
template <class Function, class R, class... A>
ExportSignature row_of(std::string_view name, Convention convention, R(ZT_CALLEE*)(A...) noexcept)
{
    return signature_of<Function, R, A...>(name, convention);
}
#endif

template <class Function> ExportSignature row(std::string_view name, Convention convention)
{
    return row_of<Function>(name, convention, Function{});
}

template <class Function>
void add_row(std::vector<ExportSignature>& rows, std::string_view name, Convention convention)
{
    rows.push_back(row<Function>(name, convention));
}

// PasteFunc is served by the host itself, which supplies the buffer.
template <>
void add_row<decltype(&::PasteFunc)>(std::vector<ExportSignature>&, std::string_view, Convention)
{
}

// Every export of the export table, as include/ztfunc32.h declares it; a build
// may lack some.
const std::vector<ExportSignature> signatures = [] {
    std::vector<ExportSignature> rows;
#define ZT_EXPORT(function, name, ordinal, earlier_ordinal, cleanup, bytes, framed)                \
    add_row<decltype(&::function)>(rows, #function, Convention::cleanup);
#include "exports.inc"
#undef ZT_EXPORT
    return rows;
}();

// The earlier release (3.7.0.0) leaves every export's arguments to the caller,
// also these two.
using EarlierDiscMessage = const char*(ZT_CALLER*)(const char*) noexcept;
const std::array<ExportSignature, 2> earlier_signatures{
    row<EarlierDiscMessage>("GetDiscOnMsg", Convention::caller),
    row<EarlierDiscMessage>("GetDiscOffMsg", Convention::caller),
};

} // namespace

Release detect_release(const DynamicLibrary& library)
{
    const bool has_init = library.entry_point("ZtDllInit") != nullptr ||
                          library.entry_point("_ZtDllInit@0") != nullptr;
    return has_init ? Release::current : Release::earlier;
}

const ExportSignature* find_signature(std::string_view name, Release release)
{
    if (release == Release::earlier) {
        for (const ExportSignature& signature : earlier_signatures) {
            if (signature.name == name) {
                return &signature;
            }
        }
    }
    for (const ExportSignature& signature : signatures) {
        if (signature.name == name) {
            return &signature;
        }
    }
    return nullptr;
}

std::string_view type_name(ParameterType type)
{
    switch (type) {
    case ParameterType::real:
        return "real";
    case ParameterType::integer:
        return "integer";
    case ParameterType::text:
        return "text";
    }
    return "?";
}

std::string argument_mismatch(ParameterType type, const Value& value)
{
    switch (type) {
    case ParameterType::real:
        return value.kind == Value::Kind::text ? "a text where a real is expected" : "";
    case ParameterType::integer:
        if (value.kind != Value::Kind::integer) {
            return value.kind == Value::Kind::text ? "a text where an integer is expected"
                                                   : "a real where an integer is expected";
        }
        if (value.integer < std::numeric_limits<std::int32_t>::min() ||
            value.integer > std::numeric_limits<std::int32_t>::max()) {
            return "an integer outside the 32-bit range";
        }
        return "";
    case ParameterType::text:
        return value.kind == Value::Kind::text ? "" : "a number where a text is expected";
    }
    return "";
}

} // namespace zthost
