// The benchmark's report: a table per page with the targets judged.
#pragma once

#include "bench/measurement.h"

#include <string>
#include <vector>

std::string FormatReport(const std::vector<PageMeasurement>& pages, int runsPerMethod,
                         const std::string& machineNote);
