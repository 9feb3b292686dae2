// Writing screenshots: PNG files from RGBA pixels, and the next free numbered name.
#pragma once

#include <cstdint>
#include <string>

// Rows of width*4 bytes R,G,B,A, top row first.
bool writePng(const std::string& path, int width, int height, const std::uint8_t* rgba);

// "shot000.png", "shot001.png", ... : the first that does not exist in the working
// directory; empty when all thousand are taken.
std::string nextFreeShotName();
