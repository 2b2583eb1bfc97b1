#include "engine/measure_unit.h"
#include "tests/engine/profile_fixture.h"

#include <cstdlib>

namespace {

class MeasureUnitTest : public ProfileFixture {
protected:
    MeasureUnit unit_;
    static int LocaleUnit() {
        char text[8] = {};
        GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_IMEASURE, text, sizeof text);
        return std::atoi(text) == 1 ? 1 : 0;
    }
};

TEST_F(MeasureUnitTest, WithoutStoredUnitTheLocaleDecidesAndNothingIsWritten) {
    EXPECT_EQ(LocaleUnit(), unit_.Get());
    EXPECT_FALSE(SectionHasKey("MAIN", "Units"));
    // The CTest run of this program under a U.S. and a metric locale tells
    // which answer to expect there.
    if (const char* expected = std::getenv("TAVIX_EXPECT_MEASURE_UNIT")) {
        EXPECT_EQ(std::atoi(expected), unit_.Get());
    }
}

TEST_F(MeasureUnitTest, StoredUnitWinsOverTheLocale) {
    Write("MAIN", "Units", LocaleUnit() == 1 ? "0" : "1");
    EXPECT_EQ(1 - LocaleUnit(), unit_.Get());
}

TEST_F(MeasureUnitTest, DamagedStoredUnitCountsAsNone) {
    Write("MAIN", "Units", "7");
    EXPECT_EQ(LocaleUnit(), unit_.Get());
    Write("MAIN", "Units", "inches");
    EXPECT_EQ(LocaleUnit(), MeasureUnit().Get());
}

TEST_F(MeasureUnitTest, SetStoresAndIsRememberedForTheObjectsLife) {
    unit_.Set(1);
    EXPECT_EQ("1", Read("MAIN", "Units"));
    Write("MAIN", "Units", "0");
    EXPECT_EQ(1, unit_.Get());
    unit_.Set(0);
    EXPECT_EQ(0, unit_.Get());
    EXPECT_EQ("0", Read("MAIN", "Units"));
}

}  // namespace
