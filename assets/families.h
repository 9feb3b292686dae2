// The generator's non-picture families: each makes the file for one resource name and
// returns false when the name is not one it knows.
#pragma once

#include <string>

#include "assets/asset_files.h"

bool makeSoundEffect(const std::string& name, std::string& wav);
bool makeMusicModule(const std::string& name, std::string& xm);
bool makeMusicStream(const std::string& name, std::string& ogg);
// Writes the font file under `fontPath` and its glyph texture beside it.
bool makeFont(const std::string& name, const std::string& fontPath, AssetFiles& files);
bool makeParticle(const std::string& name, std::string& psi);
