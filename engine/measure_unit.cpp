#include "engine/measure_unit.h"

#include "engine/profile.h"

#include <windows.h>

#include <cstdlib>

namespace {

int LocaleMeasureUnit() {
    char text[8] = {};
    if (!GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_IMEASURE, text, sizeof text)) return 0;
    return std::atoi(text) == 1 ? 1 : 0;
}

}  // namespace

int MeasureUnit::Get() const {
    if (unit_ == -1) {
        const int stored = ProfileInt("MAIN", "Units", -1);
        // A damaged value counts as none stored.
        unit_ = (stored == 0 || stored == 1) ? stored : LocaleMeasureUnit();
    }
    return unit_;
}

void MeasureUnit::Set(int unit) {
    unit_ = unit;
    WriteProfileInt("MAIN", "Units", unit);
}
