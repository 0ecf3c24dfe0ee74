#include "export_signatures.h"

#include "ztfunc32.h"

#include <array>
#include <cstdint>
#include <limits>
#include <utility>

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

template <Convention C, class R, class... A> struct Pointer;
template <class R, class... A> struct Pointer<Convention::caller, R, A...> {
    using type = R(ZT_CALLER*)(A...);
};
template <class R, class... A> struct Pointer<Convention::callee, R, A...> {
    using type = R(ZT_CALLEE*)(A...);
};

template <Convention C, class R, class... A, std::size_t... I>
CallResult call(void* address, const std::vector<Value>& arguments, std::index_sequence<I...>)
{
    const auto function = reinterpret_cast<typename Pointer<C, R, A...>::type>(address);
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

template <Convention C, class R, class... A> ExportSignature row(std::string_view name)
{
    return {name,
            {parameter_type<A>()...},
            result_kind<R>(),
            C,
            [](void* address, const std::vector<Value>& arguments) {
                return call<C, R, A...>(address, arguments, std::index_sequence_for<A...>{});
            }};
}

using Real = float;
using Int = std::int32_t;
using Text = const char*;
constexpr Convention caller = Convention::caller;
constexpr Convention callee = Convention::callee;

// Every export of the library; a build may lack some. PasteFunc is served by
// the host itself, which supplies the buffer.
const std::array<ExportSignature, 35> signatures{
    row<caller, double, Real, Int, Int>("StdFromMetLinear"),
    row<caller, double, Real, Int, Int>("MetFromStdLinear"),
    row<caller, double, Real, Int, Int>("StdFromMetFluid"),
    row<caller, double, Real, Int, Int>("MetFromStdFluid"),
    row<caller, double, Real, Int, Int>("StdFromMetWeight"),
    row<caller, double, Real, Int, Int>("MetFromStdWeight"),
    row<caller, double, Real, Int, Int>("ConvertTemp"),
    row<caller, double, Real, Real, Int>("GeoArea"),
    row<caller, double, Real, Int>("GeoEqualSideArea"),
    row<caller, double, Real, Real, Real, Int>("GeoVolume"),
    row<caller, Int, Text, Text, Text, Text>("INIWriteString"),
    row<caller, Text, Text, Text, Text>("INIReadString"),
    row<caller, Int, Text, Text, Text, Int>("INIWriteInteger"),
    row<caller, Int, Text, Text, Text>("INIReadInteger"),
    row<caller, Int, Int, Int, Int>("STATXSetStartDate"),
    row<caller, Int, Int, Int, Int>("STATXSetEndDate"),
    row<caller, Int, Int, Int, Int>("STATXSetStartTime"),
    row<caller, Int, Int, Int, Int>("STATXSetEndTime"),
    row<caller, Int, Text>("STATXSetProduct"),
    row<caller, Int, Text>("STATXSetDataset"),
    row<caller, Int, Text>("STATXSetOutputFile"),
    row<caller, Int, Int>("ZtShutDownWinNT40"),
    row<caller, Int, Int>("ZtShutDownWin95"),
    row<caller, void, Int, Int>("ZtBeep32"),
    row<caller, Int, Text>("TagExists"),
    row<callee, Text, Text>("GetDiscOnMsg"),
    row<callee, Text, Text>("GetDiscOffMsg"),
    row<caller, Int, Text, Int, Int, Int, Int, Text, Text>("ZtCntx32"),
    row<caller, void>("ZtCntx32Cleanup"),
    row<caller, Int>("SystemIsNT"),
    row<caller, Int, Text, Text>("SetTagEU"),
    row<caller, Text, Text, Text, Text, Int>("CreateFilenameFromDate"),
    row<caller, void>("ZtShowWindowsTaskbar"),
    row<callee, void>("ZtDllFree"),
    row<callee, void>("ZtDllInit"),
};

// The earlier release (3.7.0.0) leaves every export's arguments to the caller,
// also these two.
const std::array<ExportSignature, 2> earlier_signatures{
    row<caller, Text, Text>("GetDiscOnMsg"),
    row<caller, Text, Text>("GetDiscOffMsg"),
};

} // namespace

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
