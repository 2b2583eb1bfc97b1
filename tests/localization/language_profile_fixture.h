// A data source application object whose profile is a fresh INI file in a
// temporary folder, with no language kept yet, as right after loading.
#pragma once

#include "framework/win_app.h"
#include "localization/language.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

class LanguageProfileTest : public testing::Test {
protected:
    void SetUp() override {
        profilePath_ = folder_.File("TAVIXSRC.INI");
        app_.SetProfileName(profilePath_.c_str());
    }
    // As if the data source were loaded again: the language is read afresh.
    void Reload() { app_.SetCachedLanguage(0); }

    void WriteStoredText(const char* text) {
        ASSERT_TRUE(WritePrivateProfileStringA("MAIN", "Language", text, profilePath_.c_str()));
    }
    void WriteStoredValue(int value) { WriteStoredText(std::to_string(value).c_str()); }

    // The raw text of "Language" in "MAIN", or "<absent>".
    std::string StoredText() const {
        char text[64] = {};
        GetPrivateProfileStringA("MAIN", "Language", "<absent>", text, sizeof text,
                                 profilePath_.c_str());
        return text;
    }

    TempFolder folder_{"tavix-loc"};
    std::string profilePath_;
    CWinApp app_;
};
