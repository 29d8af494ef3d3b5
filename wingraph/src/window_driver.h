// The window driver: an SDL window showing the visible page, with mouse and
// keys from that window.
#pragma once

#include <memory>

#include "driver.h"

std::unique_ptr<Driver> make_window_driver();
