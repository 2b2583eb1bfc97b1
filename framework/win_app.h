// The module's application object: module handle and folder, the help-file
// and profile-name pointers, and integer access to the INI profile they name.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // The one application object of this module, or null outside its lifetime.
    static CWinApp* Current();

    HINSTANCE ModuleHandle() const { return module_; }
    void SetModuleHandle(HINSTANCE module) { module_ = module; }
    // Folder of the module file, with its trailing backslash.
    std::string ModuleFolder() const;

    // The profile (INI file) that GetProfileInt and WriteProfileInt use. The
    // object keeps the pointer, not a copy: the caller owns the text.
    const char* ProfileName() const { return profileName_; }
    void SetProfileName(const char* path) { profileName_ = path; }
    const char* HelpFilePath() const { return helpFilePath_; }
    void SetHelpFilePath(const char* path) { helpFilePath_ = path; }

    // Asks WinHelp for `command` with `data` on the help file; false when
    // there is no help file or the request cannot be made.
    bool ShowHelp(HWND window, UINT command, ULONG_PTR data) const;

    // The language the user interface is shown in, kept from the first time
    // it is asked for or set until the module goes (0 until then); the
    // localization layer reads and fills it.
    int16_t CachedLanguage() const { return cachedLanguage_; }
    void SetCachedLanguage(int16_t language) { cachedLanguage_ = language; }

    // Reads a signed decimal integer. A missing key, an empty value, text that
    // is not a whole decimal number or one beyond 32 bits yields `fallback`.
    int GetProfileInt(const char* section, const char* key, int fallback) const;
    // Writes the value as signed decimal text; false when the file cannot be written.
    bool WriteProfileInt(const char* section, const char* key, int value) const;

private:
    HINSTANCE module_ = nullptr;
    const char* profileName_ = nullptr;
    const char* helpFilePath_ = nullptr;
    int16_t cachedLanguage_ = 0;
};

// Parses the whole of `text` as a signed decimal 32-bit integer (surrounding
// blanks allowed). Exposed for the profile reader and its tests.
bool ParseProfileInteger(const char* text, int& value);
