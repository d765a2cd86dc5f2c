// Identifiers of the menus test's own resources.
#pragma once

#define IDM_TEST_MENU 201
#define IDM_OTHER_MENU 202
#define IDM_MISSING_MENU 299
#define IDB_UNCHECKED 301
#define IDB_CHECKED 302
#define IDB_MISSING 399

#define ID_NEW 1001
#define ID_OPEN 1002
#define ID_EXIT 1003
#define ID_RED 1101
#define ID_GREEN 1102
#define ID_BLUE 1103
#define ID_YELLOW 1104
#define ID_ONE 1201
