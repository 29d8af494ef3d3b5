// The launcher: a window listing the demonstrations in their groups. The
// pointer or a key chooses one; the launcher closes its window, the chosen
// program runs in a window of its own, and when it ends the launcher opens
// again. Esc ends the launcher. "launcher --list" prints the names and titles.
#include <cstdio>
#include <string>
#include <string_view>

#include "catalogue.h"
#include "demo_frame.h"
#include "menu.h"
#include "run_sibling.h"

namespace {

constexpr std::string_view Title = "DEMONSTRATII DE GEOMETRIE PLANA";
constexpr char Escape = 27;
constexpr char Enter = 13;
constexpr char Tab = 9;
constexpr int Ended = NoEntry - 1;

int entry_count() { return static_cast<int>(catalogue().size()); }

// What a key does: a letter chooses its entry, Enter or Space the marked one,
// Tab marks the next, Esc ends; anything else is passed over.
int choice_of_key(char key, int& marked) {
  if (key == Escape) return Ended;
  if (key == Enter || key == ' ') return marked;
  if (key == Tab) marked = (marked + 1) % entry_count();
  return entry_for_key(key);
}

// Polls until an entry is chosen (its index) or Esc ends the launcher
// (Ended), redrawing the page on the visible page when the mark moves. A
// press of the left button alone on a row chooses it; the pointer moving
// onto a row marks it.
int wait_for_choice(int& marked, const std::string& status) {
  draw_menu(marked, status);
  MouseState previous = sample_mouse();
  int previous_under = entry_at(previous.x, previous.y);
  for (;;) {
    MouseState mouse = sample_mouse();
    int under = entry_at(mouse.x, mouse.y);
    if (under != NoEntry && mouse.buttons == MouseLeft && previous.buttons != MouseLeft)
      return under;
    previous = mouse;
    int was = marked;
    if (under != previous_under && under != NoEntry) marked = under;
    previous_under = under;
    if (KeyPressed()) {
      int chosen = choice_of_key(ReadKey(), marked);
      if (chosen != NoEntry) return chosen;
    }
    if (marked != was) draw_menu(marked, status);
  }
}

void print_list() {
  for (const Demonstration& d : catalogue())
    std::printf("%.*s\t%.*s\n", static_cast<int>(d.name.size()), d.name.data(),
                static_cast<int>(d.title.size()), d.title.data());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::string_view(argv[1]) == "--list") {
    print_list();
    return 0;
  }
  if (argc > 1) {
    std::fprintf(stderr, "usage: launcher [--list]\n");
    return 2;
  }
  int marked = 0;
  std::string status;
  open_demo_window(Title);
  for (int chosen; (chosen = wait_for_choice(marked, status)) != Ended;) {
    CloseGraph();
    marked = chosen;
    status = run_sibling(catalogue()[chosen].name);
    open_demo_window(Title);
  }
  CloseGraph();
}
