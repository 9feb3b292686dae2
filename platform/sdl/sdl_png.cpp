#include "platform/sdl/sdl_png.h"

#include <cstdio>
#include <filesystem>

#include "platform/core/game_paths.h"

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>
#pragma GCC diagnostic pop

#include "platform/core/atomic_file.h"

namespace {
constexpr int MAX_SHOTS = 1000;
}

bool writePng(const std::string& path, int width, int height, const std::uint8_t* rgba) {
    if (width <= 0 || height <= 0 || !rgba) return false;
    std::string bytes;
    auto append = [](void* context, void* data, int size) {
        static_cast<std::string*>(context)->append(static_cast<const char*>(data), static_cast<std::size_t>(size));
    };
    if (!stbi_write_png_to_func(append, &bytes, width, height, 4, rgba, width * 4)) return false;
    return writeFileAtomically(path, bytes);
}

std::string nextFreeShotName() {
    for (int i = 0; i < MAX_SHOTS; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "shot%03d.png", i);
        const std::string path = userPath(name);
        std::error_code error;
        if (!std::filesystem::exists(path, error) && !error) return path;
    }
    return {};
}
