// Ids shared by the resource script and the code.
#pragma once

#define IDD_SETUP_LANGUAGE 129
#define IDC_LANGUAGE_LIST 1000
#define IDC_INSTRUCTION -1
