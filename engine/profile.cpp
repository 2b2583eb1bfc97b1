#include "engine/profile.h"

#include "framework/win_app.h"

int ProfileInt(const char* section, const char* key, int fallback) {
    const CWinApp* app = CWinApp::Current();
    return app ? app->GetProfileInt(section, key, fallback) : fallback;
}

bool WriteProfileInt(const char* section, const char* key, int value) {
    const CWinApp* app = CWinApp::Current();
    return app && app->WriteProfileInt(section, key, value);
}
