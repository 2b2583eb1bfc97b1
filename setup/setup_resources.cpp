#include "setup/setup_resources.h"

#include <cstring>
#include <cwchar>
#include <vector>

namespace {

constexpr WORD kResourceLanguage = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

HMODULE resourceModule = nullptr;

HMODULE Module() { return resourceModule ? resourceModule : GetModuleHandleA(nullptr); }

HRSRC Find(const char* name) {
    return FindResourceExA(Module(), RT_RCDATA, name, kResourceLanguage);
}

}  // namespace

void SetResourceModule(HMODULE module) { resourceModule = module; }

bool ResourceExists(const char* name) { return Find(name) != nullptr; }

bool GetResourceData(const char* name, const void*& data, std::size_t& size) {
    const HRSRC info = Find(name);
    if (info == nullptr) return false;
    const DWORD bytes = SizeofResource(Module(), info);
    const HGLOBAL loaded = LoadResource(Module(), info);
    const void* const locked = loaded ? LockResource(loaded) : nullptr;
    if (bytes == 0 || locked == nullptr) return false;
    data = locked;
    size = bytes;
    return true;
}

bool ReadResourceString(const char* name, std::string& text) {
    const void* data = nullptr;
    std::size_t size = 0;
    if (!GetResourceData(name, data, size)) return false;
    // Copied out because resource data need not be aligned for wchar_t; the
    // length stops at the terminator or at the end of the resource.
    std::vector<wchar_t> wide(size / sizeof(wchar_t) + 1, L'\0');
    std::memcpy(wide.data(), data, (size / sizeof(wchar_t)) * sizeof(wchar_t));
    const int length = static_cast<int>(std::wcslen(wide.data()));
    if (length == 0) {
        text.clear();
        return true;
    }
    const int bytes = WideCharToMultiByte(CP_ACP, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    std::vector<char> ansi(static_cast<std::size_t>(bytes) + 1, '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), length, ansi.data(), bytes, nullptr, nullptr);
    text.assign(ansi.data(), static_cast<std::size_t>(bytes));
    return true;
}
