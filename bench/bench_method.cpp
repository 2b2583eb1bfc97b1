#include "bench/bench_method.h"

const char* MethodName(Method method) {
    switch (method) {
    case Method::kRaw: return "raw";
    case Method::kMemory: return "memory";
    case Method::kFile: return "file";
    case Method::kNative: return "native";
    }
    return "?";
}

bool ParseMethod(const std::string& name, Method& method) {
    for (const Method candidate : kMethods) {
        if (name == MethodName(candidate)) {
            method = candidate;
            return true;
        }
    }
    return false;
}
