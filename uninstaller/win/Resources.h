// Numbered resources of Unquill.exe.
#pragma once

#define IDI_UNQUILL 1
#define IDD_UNQUILL 100
#define IDC_KEEP 1000
#define IDC_REMOVE_ALL 1001
#define IDC_STATUS 1002
