// Resource identifiers shared by the resource script and the code.
#pragma once

#define IDI_BANDORA 1
// Pictures: drawn by the program at the display's dpi (art::Picture), not resources.
#define IDB_RESISTOR 101
#define IDB_OHM 102
#define IDB_GEAR 103
#define IDB_ABOUT_GLYPH 104
#define IDB_ABOUT 105
