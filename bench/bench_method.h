// The ways the benchmark gets a page: the scanner's own block loop, and the
// data source's three transfer mechanisms, each with its progress windows
// off (CAP_INDICATORS FALSE) and on.
#pragma once

#include <string>

enum class Method { kRaw, kMemory, kFile, kNative };

// One way of getting the page. The raw loop has no progress windows.
struct Variant {
    Method method;
    bool indicators;  // CAP_INDICATORS TRUE: the data source shows its progress windows

    bool operator==(const Variant& other) const {
        return method == other.method && indicators == other.indicators;
    }
};

// Raw first; the transfers without progress windows before those with them.
constexpr Variant kVariants[] = {
    {Method::kRaw, false},   {Method::kMemory, false}, {Method::kFile, false},
    {Method::kNative, false}, {Method::kMemory, true},  {Method::kFile, true},
    {Method::kNative, true},
};

// "raw", "memory", "file", "native".
const char* MethodName(Method method);
// The method's name, with "+ind" when the progress windows are on.
std::string VariantName(const Variant& variant);
bool ParseVariant(const std::string& name, Variant& variant);
