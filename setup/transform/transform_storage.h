// Writes a transform file: a structured storage of class "transform" holding
// table streams and a summary information stream.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

struct TransformSummary {
    std::int16_t codepage = 1252;
    std::string baseTemplate;    // platform;language the transform applies to
    std::string targetTemplate;  // platform;language it produces
    std::string revision;        // {base code}version;{new code}version;{upgrade code}
    std::int32_t installerVersion = 200;
    std::int32_t flags = 0;  // validation, and error conditions in the high word
};

using NamedStream = std::pair<std::wstring, std::string>;  // encoded name, bytes

bool WriteTransformFile(const std::wstring& path, const std::vector<NamedStream>& streams,
                        const TransformSummary& summary, std::wstring& reason);
