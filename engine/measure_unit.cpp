#include "engine/measure_unit.h"

#include "engine/profile.h"

#include <windows.h>

#include <cstdlib>

namespace {
int measureUnit = -1;

int LocaleMeasureUnit() {
    char text[8] = {};
    if (!GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_IMEASURE, text, sizeof text)) return 0;
    return std::atoi(text) == 1 ? 1 : 0;
}
}  // namespace

int GetMeasureUnit() {
    if (measureUnit == -1) {
        int stored = ProfileInt("MAIN", "Units", -1);
        // A damaged value counts as none stored.
        measureUnit = (stored == 0 || stored == 1) ? stored : LocaleMeasureUnit();
    }
    return measureUnit;
}

void SetMeasureUnit(int unit) {
    measureUnit = unit;
    WriteProfileInt("MAIN", "Units", unit);
}

void ResetMeasureUnitCache() { measureUnit = -1; }
