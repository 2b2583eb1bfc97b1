// An application object whose profile is a fresh INI file, removed afterwards.
#pragma once

#include "engine/acquisition_ui.h"
#include "engine/page_bracket.h"
#include "engine/negotiation_state.h"
#include "engine/page_store.h"
#include "engine/scan_context.h"
#include "engine/scan_settings.h"
#include "engine/scanner_io.h"
#include "framework/win_app.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <string>

class ProfileFixture : public testing::Test {
protected:
    void SetUp() override {
        path_ = folder_.File("TAVIXSRC.INI");
        app_.SetProfileName(path_.c_str());
    }
    void TearDown() override {}

    // What the engine's scans read with: this fixture's scanner, sheet and
    // store, and `windows_` (none unless a test sets them).
    ScanContext Context() { return ScanContext{io_, sheet_, store_, windows_}; }

    void Write(const char* section, const char* key, const char* value) {
        WritePrivateProfileStringA(section, key, value, path_.c_str());
    }
    std::string Read(const char* section, const char* key) {
        char text[64] = {};
        GetPrivateProfileStringA(section, key, "<missing>", text, sizeof text, path_.c_str());
        return text;
    }
    bool SectionHasKey(const char* section, const char* key) { return Read(section, key) != "<missing>"; }

    TempFolder folder_;
    std::string path_;
    CWinApp app_;
    ScanSettings current_{};
    ScannerIo io_;
    PageBracket sheet_{io_};
    PageStore store_;
    AcquisitionUi* windows_ = nullptr;
    Negotiation negotiated_;  // everything allowed unless a test restricts it
};
