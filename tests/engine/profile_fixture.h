// An application object whose profile is a fresh INI file, removed afterwards.
#pragma once

#include "engine/engine_host.h"
#include "engine/scan_settings.h"
#include "engine/scanner_io.h"
#include "framework/win_app.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <string>

class ProfileFixture : public testing::Test, public EngineHost {
protected:
    void SetUp() override {
        path_ = folder_.File("TAVIXSRC.INI");
        app_.SetProfileName(path_.c_str());
        SetEngineHost(this);
    }
    void TearDown() override { SetEngineHost(nullptr); }

    ScanSettings& CurrentSettings() override { return current_; }
    ScannerIo& Scanner() override { return io_; }

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
};
