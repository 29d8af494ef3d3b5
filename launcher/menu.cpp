#include "menu.h"

#include <string>
#include <vector>

#include "catalogue.h"
#include "demo_frame.h"

namespace {

constexpr int Left = 20;
constexpr int Right = 780;
constexpr int KeyX = 34;
constexpr int TitleX = 60;
constexpr int UsageX = 420;
constexpr int FirstRow = 78;
constexpr int HeadingHeight = 28;
constexpr int GroupGap = 10;
constexpr int RowHeight = 30;

constexpr std::int16_t Sans = ArialFont;
constexpr std::int16_t TopLeft = 0;
constexpr std::int16_t Centred = 1;

constexpr Colour Band = 0x283048;
constexpr Colour Heading = LightBlue;

std::int16_t pixels(int height) { return static_cast<std::int16_t>(height); }

void text(int x, int y, std::string_view s, int height, std::int16_t horizontal, Colour colour) {
  SetTextStyle(Sans, 0, pixels(height));
  SetTextJustify(horizontal, TopLeft);
  SetColor(colour);
  OutTextXY(x, y, s);
}

// Rows go down the page; a group starts with its heading, after a gap
// unless it is the first.
struct Layout {
  std::vector<int> entry_top;
  std::vector<int> heading_top;  // NoEntry where no heading comes first
  Layout() {
    int y = FirstRow;
    auto entries = catalogue();
    for (std::size_t i = 0; i < entries.size(); ++i) {
      bool starts_group = i == 0 || entries[i].group != entries[i - 1].group;
      if (starts_group && i > 0) y += GroupGap;
      heading_top.push_back(starts_group ? y : NoEntry);
      if (starts_group) y += HeadingHeight;
      entry_top.push_back(y);
      y += RowHeight;
    }
  }
};

const Layout& layout() {
  static const Layout the_layout;
  return the_layout;
}

void fill_band(int top, int bottom) {
  PointType corners[] = {{Left, top}, {Right, top}, {Right, bottom}, {Left, bottom}};
  SetFillStyle(1, Band);
  SetColor(Heading);
  FillPoly(4, corners);
}

}  // namespace

int entry_at(int x, int y) {
  if (x < Left || x > Right) return NoEntry;
  for (int i = 0; i < static_cast<int>(catalogue().size()); ++i) {
    RowSpan row = row_of(i);
    if (y >= row.top && y < row.top + row.height) return i;
  }
  return NoEntry;
}

int entry_for_key(char key) {
  int count = static_cast<int>(catalogue().size());
  for (char first : {'a', 'A'})
    if (key >= first && key < first + count) return key - first;
  return NoEntry;
}

char key_of(int entry) { return static_cast<char>('a' + entry); }

RowSpan row_of(int entry) { return {layout().entry_top[entry], RowHeight}; }

void draw_menu(int marked, std::string_view status) {
  ClearDevice();
  text(400, 14, "DEMONSTRATII DE GEOMETRIE PLANA", 24, Centred, White);
  text(400, 48, "Click a demonstration or press its letter; Tab and Enter work too. Esc ends.", 14,
       Centred, LightGray);
  auto entries = catalogue();
  for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
    const Demonstration& d = entries[i];
    if (int heading = layout().heading_top[i]; heading != NoEntry)
      text(Left, heading + 6, d.group, 16, TopLeft, Heading);
    RowSpan row = row_of(i);
    if (i == marked) fill_band(row.top + 2, row.top + row.height - 3);
    text(KeyX, row.top + 7, std::string(1, key_of(i)), 16, TopLeft, LightRed);
    text(TitleX, row.top + 7, d.title, 16, TopLeft, White);
    text(UsageX, row.top + 8, d.usage, 14, TopLeft, LightGray);
  }
  if (!status.empty()) text(400, 568, status, 14, Centred, LightRed);
}
