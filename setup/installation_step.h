// What OK does: check the installed version, extract, start msiexec.
#pragma once

#include <windows.h>

void RunInstallationStep(HWND dialog);
