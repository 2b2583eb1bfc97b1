#include "engine/presets.h"
#include "engine/scan_sizes.h"
#include "tests/engine/profile_fixture.h"

#include <cstring>

namespace {

class PresetsTest : public ProfileFixture {};

TEST_F(PresetsTest, FreshProfileGivesTheBuiltInPresets) {
    struct Expected {
        int16_t mode, dpi;
        int size;
    } expected[kPresetCount] = {{2, 300, 1}, {2, 200, 3}, {2, 300, 1}, {1, 200, 1}, {4, 200, 3}};
    for (int n = 0; n < kPresetCount; ++n) {
        SCOPED_TRACE(n);
        ScanSettings s;
        std::memset(&s, 0x77, sizeof s);
        ASSERT_TRUE(LoadPreset(n, &s, negotiated_));
        EXPECT_EQ(expected[n].mode, s.ScanMode);
        EXPECT_EQ(expected[n].dpi, s.DPI);
        EXPECT_EQ(expected[n].size, FindPaperSize(&s));
        EXPECT_EQ(0, s.Filter);
        EXPECT_EQ(18, s.Gamma);
        EXPECT_EQ(255, s.Highlight);
        EXPECT_EQ(0, s.Reserved16[3]);
    }
    // Reading presets writes nothing.
    EXPECT_FALSE(FileExists(path_));
}

TEST_F(PresetsTest, SavingANeverStoredPresetAddsLockedZero) {
    ScanSettings s{};
    LoadPreset(3, &s, negotiated_);
    s.Contrast = 40;
    ASSERT_TRUE(SavePreset(3, &s));
    EXPECT_EQ("0", Read("PRESET_3", "Locked"));
    for (const char* key : {"ScanMode", "DPI", "DetectEOP", "Filter", "Invert", "Brightness",
                            "Contrast", "Gamma", "Highlight", "Shadow", "Top", "Left", "Bottom",
                            "Right"})
        EXPECT_TRUE(SectionHasKey("PRESET_3", key)) << key;

    ScanSettings loaded{};
    LoadPreset(3, &loaded, negotiated_);
    EXPECT_EQ(40, loaded.Contrast);
    EXPECT_EQ(1, loaded.ScanMode);
    EXPECT_FALSE(IsPresetLocked(3));
}

TEST_F(PresetsTest, PresetZeroIsNeverGivenALockedKey) {
    ScanSettings s{};
    LoadPreset(0, &s, negotiated_);
    SavePreset(0, &s);
    EXPECT_FALSE(SectionHasKey("PRESET_0", "Locked"));
    EXPECT_TRUE(SectionHasKey("PRESET_0", "DPI"));
}

TEST_F(PresetsTest, ResavingAStoredPresetKeepsAnAdministratorsLock) {
    ScanSettings s{};
    LoadPreset(2, &s, negotiated_);
    SavePreset(2, &s);
    Write("PRESET_2", "Locked", "1");
    EXPECT_TRUE(IsPresetLocked(2));
    SavePreset(2, &s);
    EXPECT_EQ("1", Read("PRESET_2", "Locked"));
    EXPECT_TRUE(IsPresetLocked(2));
}

TEST_F(PresetsTest, SectionWithoutUsableResolutionFallsBackInFull) {
    Write("PRESET_4", "ScanMode", "1");
    Write("PRESET_4", "Contrast", "50");
    Write("PRESET_4", "DPI", "garbage");
    ScanSettings s{};
    LoadPreset(4, &s, negotiated_);
    EXPECT_EQ(4, s.ScanMode);
    EXPECT_EQ(0, s.Contrast);
    EXPECT_EQ(200, s.DPI);
    EXPECT_EQ(3, FindPaperSize(&s));
}

TEST_F(PresetsTest, StoredPresetIsValidatedLikeSettings) {
    Write("PRESET_1", "DPI", "400");
    Write("PRESET_1", "Gamma", "99");
    Write("PRESET_1", "ScanMode", "7");
    ScanSettings s{};
    LoadPreset(1, &s, negotiated_);
    EXPECT_EQ(400, s.DPI);
    EXPECT_EQ(18, s.Gamma);
    EXPECT_EQ(2, s.ScanMode);
    // A stored section is read whole: its missing frame keys give the Letter default.
    EXPECT_EQ(1, FindPaperSize(&s));
}

TEST_F(PresetsTest, NumbersOutsideTheFivePresetsAreRefused) {
    ScanSettings s{};
    s.DPI = 123;
    EXPECT_FALSE(LoadPreset(5, &s, negotiated_));
    EXPECT_FALSE(LoadPreset(-1, &s, negotiated_));
    EXPECT_FALSE(DefaultPreset(5, &s));
    EXPECT_EQ(123, s.DPI);
    EXPECT_FALSE(SavePreset(5, &s));
    EXPECT_FALSE(IsPresetLocked(99));
    EXPECT_FALSE(FileExists(path_));
}

}  // namespace
