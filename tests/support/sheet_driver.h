// Reading and driving a shown scanner dialog from the script thread.
#pragma once

#include <windows.h>

#include <string>

// The page window the sheet shows now.
HWND CurrentPage(HWND sheet);
// The index of the tab shown, −1 without tabs.
int ActiveTab(HWND sheet);
void SelectTab(HWND sheet, int index);
int TabCount(HWND sheet);
std::string TabTitle(HWND sheet, int index);
// Presses button `id` of the page shown now.
void PressPageButton(HWND sheet, int id);
