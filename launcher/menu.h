// The launcher's page: the demonstrations in their groups, one row each with
// its key letter, title and how to use it; which row the pointer or a key
// chooses.
#pragma once

#include <string_view>

inline constexpr int NoEntry = -1;

// The entry whose row holds drawing-area pixel (x, y), or NoEntry.
int entry_at(int x, int y);
// The entry a key letter stands for (a for the first, upper or lower case),
// or NoEntry.
int entry_for_key(char key);
char key_of(int entry);

// The row of an entry: its top and the row's height, in pixels.
struct RowSpan {
  int top;
  int height;
};
RowSpan row_of(int entry);

// The whole page on the active page: the marked entry (or NoEntry) drawn on
// a band, and a line of status at the bottom (empty for none).
void draw_menu(int marked, std::string_view status);
