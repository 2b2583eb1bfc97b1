// A dialog template of the program's resources with its font replaced, so
// that a page can be shown as it comes out with other font metrics.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// The DIALOG template `templateId` of `module` with FONT `pointSize`, `face`;
// empty when the template is missing, is a DIALOGEX or names no font.
std::vector<uint8_t> TemplateWithFont(HINSTANCE module, int templateId, uint16_t pointSize,
                                      const std::wstring& face);
