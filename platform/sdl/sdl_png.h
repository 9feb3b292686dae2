// Writing screenshots: PNG files from RGBA pixels, and the next free numbered name.
#pragma once

#include <cstdint>
#include <string>

// Rows of width*4 bytes R,G,B,A, top row first.
bool writePng(const std::string& path, int width, int height, const std::uint8_t* rgba);

// "shot000.png", "shot001.png", ... in the user folder: the first that does not exist
// there; empty when all thousand are taken.
std::string nextFreeShotName();
