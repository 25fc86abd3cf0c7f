#pragma once
// Writes RGBA pictures (top row first, bytes R, G, B, A) as PNG files.

#include <cstdint>
#include <string>
#include <vector>

// Returns an empty string on success, otherwise what went wrong.
std::string writePng(const std::string& path, int width, int height, const std::vector<uint32_t>& pixels);
