// What a transform's summary needs to know about a package.
#pragma once

#include <windows.h>
#include <msiquery.h>
#include <propidl.h>

#include <cstdint>
#include <string>

struct PackageFacts {
    std::uint32_t codepage = 0;
    std::string templateText;  // "platform;language"
    std::int32_t installerVersion = 0;
    std::string productCode, productVersion, upgradeCode, productLanguage;
};

bool ReadPackageFacts(MSIHANDLE database, PackageFacts& facts, std::wstring& reason);
