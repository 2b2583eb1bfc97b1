// The ways the benchmark gets a page: the scanner's own block loop, and the
// data source's three transfer mechanisms.
#pragma once

#include <string>

enum class Method { kRaw, kMemory, kFile, kNative };

constexpr Method kMethods[] = {Method::kRaw, Method::kMemory, Method::kFile, Method::kNative};

// "raw", "memory", "file", "native".
const char* MethodName(Method method);
bool ParseMethod(const std::string& name, Method& method);
