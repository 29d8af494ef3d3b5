// Writes a page as a PNG file.
#pragma once

#include <string>

#include "page.h"

// False when the file cannot be written.
bool write_page_png(const Page& page, const std::string& path);
