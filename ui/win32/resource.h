// Resource ids of the program: the main dialog, its controls and the icon.
#pragma once

#define IDD_MAIN_DIALOG 102
#define IDI_MAIN 128

#define IDC_INPUT_PATH 1000
#define IDC_OUTPUT_PATH 1001
#define IDC_REGION 1002
#define IDC_HOME_PAGE 1003
#define IDC_ABOUT 1004
#define IDC_MESSAGES 1005
#define IDC_BROWSE_INPUT 1006
#define IDC_BROWSE_OUTPUT 1007
#define IDC_REGION_LABEL 1008
#define IDC_ADD_MOBILE 1009
