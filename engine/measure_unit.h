// The unit in which the dialog shows lengths: 0 metric, 1 inches.
#pragma once

// The stored unit, or the one the user's locale measures in.
int GetMeasureUnit();
void SetMeasureUnit(int unit);
// Forgets the unit so that the next GetMeasureUnit asks again (tests only).
void ResetMeasureUnitCache();
