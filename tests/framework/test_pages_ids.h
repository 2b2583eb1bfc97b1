// Ids of the test pages' templates and controls.
#pragma once

#define IDD_TEST_PAGE_A 9101
#define IDD_TEST_PAGE_B 9102
#define IDC_TEST_DRAWN 9110
#define IDC_TEST_LABEL 9111
