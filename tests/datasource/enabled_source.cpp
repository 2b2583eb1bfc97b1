#include "tests/datasource/enabled_source.h"

#include <string>

void EnabledSource::SetUp() {
    DataSourceModule::SetUp();
    ASSERT_NE(nullptr, window_.Handle());
    ui_.ShowUI = FALSE;
    ui_.ModalUI = FALSE;
    ui_.hParent = window_.Handle();
}

void EnabledSource::Setting(const char* key, int value) {
    CreateDirectoryA(UserDataFolder().c_str(), nullptr);
    ASSERT_TRUE(WritePrivateProfileStringA(kTestSection, key, std::to_string(value).c_str(),
                                           UserProfilePath().c_str()));
}

TW_UINT16 EnabledSource::EnableWithoutUi() {
    ui_.ShowUI = FALSE;
    return Call(DG_CONTROL, DAT_USERINTERFACE, MSG_ENABLEDS, &ui_);
}

TW_UINT16 EnabledSource::PendingCount(TW_UINT16& count) {
    TW_PENDINGXFERS pending{0xBEEF, 0};
    const TW_UINT16 rc = Call(DG_CONTROL, DAT_PENDINGXFERS, MSG_GET, &pending);
    count = pending.Count;
    return rc;
}

TW_UINT16 EnabledSource::ImageInfo(TW_IMAGEINFO& info) { return Call(DG_IMAGE, DAT_IMAGEINFO, MSG_GET, &info); }

TW_UINT16 EnabledSource::Layout(TW_UINT16 msg, TW_IMAGELAYOUT& layout) {
    return Call(DG_IMAGE, DAT_IMAGELAYOUT, msg, &layout);
}

int EnabledSource::ProbeState() {
    TW_UINT32 group = 0;
    if (Call(DG_CONTROL, DAT_XFERGROUP, MSG_GET, &group) != TWRC_SUCCESS) {
        Condition();
        return 3;
    }
    // Only state 4 lets a capability be set: any answer but a sequence error
    // (this id is not a capability of the source) means state 4.
    TW_CAPABILITY capability{0x7FFF, TWON_ONEVALUE, nullptr};
    Call(DG_CONTROL, DAT_CAPABILITY, MSG_SET, &capability);
    if (Condition() != TWCC_SEQERROR) return 4;
    TW_IMAGELAYOUT layout{};
    if (Layout(MSG_GETDEFAULT, layout) != TWRC_SUCCESS) {
        Condition();
        return 7;
    }
    TW_IMAGEINFO info{};
    if (ImageInfo(info) == TWRC_SUCCESS) return 6;
    Condition();
    return 5;
}

double Inches(const TW_FIX32& value) { return value.Whole + value.Frac / 65536.0; }
