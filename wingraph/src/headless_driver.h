// The headless driver: no window; input comes from the script named by
// WINGRAPH_SCRIPT, one message per poll, and snap lines write the visible
// page as PNG.
#pragma once

#include <memory>

#include "driver.h"

std::unique_ptr<Driver> make_headless_driver();
