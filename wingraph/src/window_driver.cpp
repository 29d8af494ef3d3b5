#include "window_driver.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <poll.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <string_view>
#include <thread>

#include "viewport.h"

namespace {

using Clock = std::chrono::steady_clock;

// How long an input poll that finds nothing new may wait for an event, so a
// program that only polls does not keep a core busy: 1 ms at first, twice as
// long with every further quiet poll, at most 8 ms (half a refresh), so that
// a click or a key still reaches a waiting program at once.
constexpr int FirstIdleWaitMs = 1;
constexpr int LongestIdleWaitMs = 8;

// Whether the renderer is OpenGL drawn by the CPU (Mesa's llvmpipe under
// Xvfb, or a machine without a graphics driver): there SDL's own software
// renderer, showing the page through shared memory, costs a fraction of it.
bool drawn_by_cpu(SDL_Renderer* renderer) {
  SDL_RendererInfo info;
  if (SDL_GetRendererInfo(renderer, &info) != 0 ||
      std::string_view(info.name).substr(0, 6) != "opengl" || SDL_GL_GetCurrentContext() == nullptr)
    return false;
  using GetString = const unsigned char* (*)(unsigned);
  auto get_string = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
  constexpr unsigned GlRenderer = 0x1F01;
  const unsigned char* name = get_string != nullptr ? get_string(GlRenderer) : nullptr;
  if (name == nullptr) return false;
  std::string_view gl(reinterpret_cast<const char*>(name));
  for (std::string_view soft : {"llvmpipe", "softpipe", "Software", "GDI Generic"})
    if (gl.find(soft) != std::string_view::npos) return true;
  return false;
}

// A renderer with vsync where the display has one; the software renderer
// where the GPU's work would fall to the CPU anyway, or when asked for by
// name (SDL_RENDER_DRIVER).
SDL_Renderer* make_renderer(SDL_Window* window) {
  SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_PRESENTVSYNC);
  const char* asked = std::getenv("SDL_RENDER_DRIVER");
  if (renderer != nullptr && ((asked != nullptr && *asked != '\0') || !drawn_by_cpu(renderer)))
    return renderer;
  if (renderer != nullptr) SDL_DestroyRenderer(renderer);
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  return SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
}

std::int16_t modifier_bits() {
  SDL_Keymod mod = SDL_GetModState();
  std::int16_t bits = 0;
  if (mod & KMOD_SHIFT) bits |= 8;
  if (mod & KMOD_CTRL) bits |= 16;
  return bits;
}

std::int16_t button_bits(Uint32 sdl_mask) {
  std::int16_t bits = 0;
  if (sdl_mask & SDL_BUTTON_LMASK) bits |= 1;
  if (sdl_mask & SDL_BUTTON_RMASK) bits |= 2;
  if (sdl_mask & SDL_BUTTON_MMASK) bits |= 4;
  return bits;
}

bool is_modifier(SDL_Keycode sym) {
  switch (sym) {
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
    case SDLK_LCTRL:
    case SDLK_RCTRL:
    case SDLK_LALT:
    case SDLK_RALT:
    case SDLK_LGUI:
    case SDLK_RGUI:
    case SDLK_CAPSLOCK:
    case SDLK_NUMLOCKCLEAR:
    case SDLK_SCROLLLOCK:
    case SDLK_MODE:
      return true;
    default:
      return false;
  }
}

bool is_keypad_character(SDL_Keycode sym) {
  return (sym >= SDLK_KP_DIVIDE && sym <= SDLK_KP_PERIOD && sym != SDLK_KP_ENTER) ||
         sym == SDLK_KP_EQUALS;
}

class WindowDriver final : public Driver {
 public:
  std::string open(std::string_view title) override {
    // Ctrl+C in the terminal keeps ending the program.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    // Scaled up for a projector, one page pixel becomes a block of screen
    // pixels: lines stay sharp instead of blurred.
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
    auto unset = [](const char* name) {
      const char* value = std::getenv(name);
      return value == nullptr || *value == '\0';
    };
    if (unset("DISPLAY") && unset("WAYLAND_DISPLAY")) return "no display (DISPLAY is not set)";
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
      std::string reason = std::string("no display could be used (") + SDL_GetError() + ")";
      SDL_Quit();
      return reason;
    }
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(0, &mode) == 0) {
      if (mode.w < Page::Width || mode.h < Page::Height) {
        SDL_Quit();
        return "the screen (" + std::to_string(mode.w) + "x" + std::to_string(mode.h) +
               ") is smaller than the 800x600 window";
      }
      if (mode.refresh_rate >= 30)
        period_ = std::chrono::microseconds(1'000'000 / mode.refresh_rate);
    }
    std::string caption(title);
    window_ = SDL_CreateWindow(caption.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                               Page::Width, Page::Height,
                               SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI);
    if (window_ == nullptr) return fail_open("the window could not be created");
    renderer_ = make_renderer(window_);
    if (renderer_ == nullptr) return fail_open("no renderer for the window");
    texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                                 Page::Width, Page::Height);
    if (texture_ == nullptr) return fail_open("no texture for the window");
    SDL_SysWMinfo system;
    SDL_VERSION(&system.version);
    if (SDL_GetWindowWMInfo(window_, &system) == SDL_TRUE && system.subsystem == SDL_SYSWM_X11)
      x11_connection_ = ConnectionNumber(system.info.x11.display);
    SDL_RaiseWindow(window_);
    present(*shown_, true);
    next_frame_ = Clock::now();
    return {};
  }

  void close() override {
    if (texture_ != nullptr) SDL_DestroyTexture(texture_);
    if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
    if (window_ != nullptr) SDL_DestroyWindow(window_);
    texture_ = nullptr;
    renderer_ = nullptr;
    window_ = nullptr;
    x11_connection_ = -1;
    SDL_Quit();
  }

  // One flip per refresh: vsync where the display has it, else a steady clock.
  void flip(const Page& visible) override {
    auto now = Clock::now();
    if (next_frame_ > now) std::this_thread::sleep_until(next_frame_);
    now = Clock::now();
    next_frame_ = next_frame_ + period_ < now ? now + period_ : next_frame_ + period_;
    present(visible);
    flipped_ = true;
  }

  void poll(Input& input, const Page& visible, bool drawn) override {
    bool any = take_events(input, visible);
    if (drawn) stale_ = true;
    if (stale_ && Clock::now() - last_present_ >= period_) present(visible);
    if (any || drawn || flipped_) {
      idle_wait_ms_ = FirstIdleWaitMs;
    } else {
      wait_for_event(input, visible, idle_wait_ms_);
      idle_wait_ms_ = std::min(2 * idle_wait_ms_, LongestIdleWaitMs);
    }
    flipped_ = false;
  }

  void wait_for_key(Input& input, const Page& visible, bool drawn) override {
    if (drawn) stale_ = true;
    take_events(input, visible);
    while (input.keys.empty()) {
      if (stale_) present(visible);
      wait_for_event(input, visible, 100);
    }
  }

  void delay(std::uint32_t milliseconds) override { SDL_Delay(milliseconds); }

 private:
  std::string fail_open(const std::string& reason) {
    std::string full = reason + " (" + SDL_GetError() + ")";
    close();
    return full;
  }

  // Showing a page costs far more than comparing it: a drag loop in which
  // nothing moves redraws the same picture, and that is not shown again.
  void present(const Page& visible, bool force = false) {
    last_present_ = Clock::now();
    stale_ = false;
    if (!force && shown_->pixels == visible.pixels) return;
    shown_->pixels = visible.pixels;
    SDL_UpdateTexture(texture_, nullptr, visible.pixels.data(), Page::Width * 4);
    int width = 0, height = 0;
    SDL_GetRendererOutputSize(renderer_, &width, &height);
    viewport_ = fit_drawing_area(width, height);
    SDL_Rect target{viewport_.x, viewport_.y, viewport_.width, viewport_.height};
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, texture_, nullptr, &target);
    SDL_RenderPresent(renderer_);
  }

  // Waits up to the time for an event, then takes what came. On X11 the wait
  // is on the display connection itself: SDL_WaitEventTimeout sends its own
  // window a wake-up message through a second connection, and when the
  // window is closed before the server has delivered it, the server reports
  // a bad window there, which ends the program with status 1.
  void wait_for_event(Input& input, const Page& visible, int milliseconds) {
    if (x11_connection_ >= 0) {
      SDL_PumpEvents();
      if (SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 0) {
        pollfd connection{x11_connection_, POLLIN, 0};
        ::poll(&connection, 1, milliseconds);
      }
      take_events(input, visible);
      return;
    }
    SDL_Event event;
    if (SDL_WaitEventTimeout(&event, milliseconds) != 0 && !handle(event, input, visible))
      take_events(input, visible);
  }

  // Takes the waiting events up to and including a button change, so that a
  // press and its release reach the program in polls of their own: a click
  // shorter than a frame is still seen. True when there was any event.
  bool take_events(Input& input, const Page& visible) {
    bool any = false;
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0) {
      any = true;
      if (handle(event, input, visible)) break;
    }
    return any;
  }

  // True for a button change that the program was given.
  bool handle(const SDL_Event& event, Input& input, const Page& visible) {
    switch (event.type) {
      case SDL_MOUSEMOTION:
        mouse_message(input, event.motion.x, event.motion.y, button_bits(event.motion.state));
        break;
      case SDL_MOUSEBUTTONDOWN:
      case SDL_MOUSEBUTTONUP: {
        Uint32 mask = SDL_BUTTON(event.button.button);
        held_ = event.type == SDL_MOUSEBUTTONDOWN ? (held_ | mask) : (held_ & ~mask);
        return mouse_message(input, event.button.x, event.button.y, button_bits(held_));
      }
      case SDL_KEYDOWN:
        key_down(input, event.key.keysym);
        break;
      case SDL_TEXTINPUT:
        text_input(input, event.text.text);
        break;
      case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_EXPOSED ||
            event.window.event == SDL_WINDOWEVENT_RESTORED ||
            event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED ||
            event.window.event == SDL_WINDOWEVENT_SHOWN)
          present(visible, true);
        break;
      default:  // the close box (SDL_QUIT) does not end a program
        break;
    }
    return false;
  }

  // A mouse message counts only inside the drawing area; true when it did.
  bool mouse_message(Input& input, int window_x, int window_y, std::int16_t buttons) {
    int window_width = 0, window_height = 0, output_width = 0, output_height = 0;
    SDL_GetWindowSize(window_, &window_width, &window_height);
    SDL_GetRendererOutputSize(renderer_, &output_width, &output_height);
    double scale_x = window_width > 0 ? static_cast<double>(output_width) / window_width : 1;
    double scale_y = window_height > 0 ? static_cast<double>(output_height) / window_height : 1;
    Viewport viewport = fit_drawing_area(output_width, output_height);
    AreaPixel pixel =
        to_drawing_area(viewport, (window_x + 0.5) * scale_x, (window_y + 0.5) * scale_y);
    if (!pixel.inside) return false;
    input.mouse = {static_cast<std::int16_t>(pixel.x), static_cast<std::int16_t>(pixel.y),
                   static_cast<std::int16_t>(buttons | modifier_bits())};
    return true;
  }

  // Characters come with SDL_TEXTINPUT; keys without one queue their control
  // code, or 0, so that any key is a key.
  void key_down(Input& input, const SDL_Keysym& key) {
    SDL_Keycode sym = key.sym;
    if (is_modifier(sym)) return;
    bool ctrl = (key.mod & KMOD_CTRL) != 0;
    switch (sym) {
      case SDLK_ESCAPE:
        input.keys.push_back(27);
        return;
      case SDLK_RETURN:
      case SDLK_KP_ENTER:
        input.keys.push_back(13);
        return;
      case SDLK_BACKSPACE:
        input.keys.push_back(8);
        return;
      case SDLK_TAB:
        input.keys.push_back(9);
        return;
      default:
        break;
    }
    if (ctrl && sym >= SDLK_a && sym <= SDLK_z) {
      input.keys.push_back(static_cast<char>(sym - SDLK_a + 1));
      return;
    }
    if (sym >= 32 && sym < 127 && (key.mod & KMOD_ALT) == 0) return;    // comes as text
    if (is_keypad_character(sym) && (key.mod & KMOD_NUM) != 0) return;  // comes as text
    input.keys.push_back(0);
  }

  void text_input(Input& input, const char* text) {
    // UTF-8 to single-byte characters: Latin-1 where it fits, else '?'.
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p != 0;) {
      unsigned code = *p++;
      if (code >= 0xC0) {
        int extra = code >= 0xF0 ? 3 : code >= 0xE0 ? 2 : 1;
        code &= 0x3F >> extra;
        for (; extra > 0 && (*p & 0xC0) == 0x80; --extra) code = (code << 6) | (*p++ & 0x3F);
      }
      input.keys.push_back(static_cast<char>(code < 256 ? code : '?'));
    }
  }

  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  Viewport viewport_;
  std::unique_ptr<Page> shown_ = std::make_unique<Page>();  // what the window shows now
  std::chrono::microseconds period_{16'667};
  Clock::time_point next_frame_;
  Clock::time_point last_present_;
  Uint32 held_ = 0;
  bool stale_ = false;    // the visible page changed since it was last shown
  bool flipped_ = false;  // a flip happened since the last poll
  int idle_wait_ms_ = FirstIdleWaitMs;
  int x11_connection_ = -1;  // the X display connection's socket, on X11
};

}  // namespace

std::unique_ptr<Driver> make_window_driver() { return std::make_unique<WindowDriver>(); }
