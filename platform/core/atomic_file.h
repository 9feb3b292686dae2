// Writes a file whole: the bytes go to "<path>.tmp", which is flushed and renamed over
// the old file, so a crash or a full disk never leaves half a file behind.
#pragma once

#include <string>
#include <string_view>

bool writeFileAtomically(const std::string& path, std::string_view bytes, std::string* error = nullptr);
