// What the benchmark ran on, for the report: the program's processor
// architecture, Wine and its host when there is one, processors and timer.
#pragma once

#include <string>

std::string MachineNote();
