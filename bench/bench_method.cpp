#include "bench/bench_method.h"

namespace {
const char kIndicatorsSuffix[] = "+ind";
}

const char* MethodName(Method method) {
    switch (method) {
    case Method::kRaw: return "raw";
    case Method::kMemory: return "memory";
    case Method::kFile: return "file";
    case Method::kNative: return "native";
    }
    return "?";
}

std::string VariantName(const Variant& variant) {
    return std::string(MethodName(variant.method)) + (variant.indicators ? kIndicatorsSuffix : "");
}

bool ParseVariant(const std::string& name, Variant& variant) {
    for (const Variant& candidate : kVariants) {
        if (name == VariantName(candidate)) {
            variant = candidate;
            return true;
        }
    }
    return false;
}
