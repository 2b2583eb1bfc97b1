// Ids of the Information page (plain defines: the resource compiler reads
// this file too).
#pragma once

#define IDD_INFO_PAGE 310

#define IDC_INFO_LOGO 1050
#define IDC_INFO_INTERFACE_LABEL 1051
#define IDC_INFO_INTERFACE 1052
#define IDC_INFO_CONFIG_LABEL 1053
#define IDC_INFO_CONFIG 1054
#define IDC_INFO_VERSION_LABEL 1055
#define IDC_INFO_VERSION 1056
#define IDC_INFO_DATE_LABEL 1057
#define IDC_INFO_DATE 1058
#define IDC_INFO_LEGAL_NOTICE 1059
#define IDC_INFO_FRAME 1060
