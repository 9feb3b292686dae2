// kvb_assetgen: reads the resource script, makes every file it names (pictures, fonts,
// sounds, music, particle descriptions) and writes them with the script into one zip.
//   kvb_assetgen --res resource.res --data data.paq --out kvb.paq [--jobs N]
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <sstream>
#include <thread>
#include <vector>

#include "assets/asset_files.h"
#include "assets/families.h"
#include "assets/font_file.h"
#include "assets/font_sheet.h"
#include "assets/painters.h"
#include "assets/res_script.h"
#include "assets/shared_sheets.h"
#include "assets/texture_sheet.h"
#include "assets/vehicle_data.h"
#include "platform/core/zip_writer.h"

namespace {

struct Options {
    std::string res, data, out;
    int jobs = 2;
};

bool readFile(const std::string& path, std::string& out) {
    std::ifstream f(path, std::ios::binary);
    if (!f) return false;
    out.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    return true;
}

// "veh3" -> 0, "vehL3" -> 1, "vehR3" -> 2 with n = 3; -1 for other names.
int vehicleSlot(const std::string& name, int& n) {
    static const char* PREFIXES[] = {"veh", "vehL", "vehR"};
    for (int slot = 2; slot >= 0; --slot) {
        const std::string p = PREFIXES[slot];
        if (name.size() == p.size() + 1 && name.compare(0, p.size(), p) == 0 && name.back() >= '0' &&
            name.back() < '0' + VEHICLE_COUNT) {
            n = name.back() - '0';
            return slot;
        }
    }
    return -1;
}

// The vehicle sprites take their size from the data: straight, left and right side by
// side on the vehicle's own sheet.
std::string fitVehicleRects(const std::string& text, const ResScript& script) {
    std::string out = text;
    for (auto it = script.entries.rbegin(); it != script.entries.rend(); ++it) {
        int n = 0;
        const int slot = it->type == "Sprite" ? vehicleSlot(it->name, n) : -1;
        if (slot < 0 || it->rectEnd <= it->rectBegin) continue;
        const VehicleLook& v = vehicleLook(n);
        std::ostringstream rect;
        rect << ' ' << slot * v.width << ", 0, " << v.width << ", " << v.height;
        out.replace(it->rectBegin, it->rectEnd - it->rectBegin, rect.str());
    }
    return out;
}

void runJobs(std::vector<std::function<void()>>& jobs, int threads) {
    std::atomic<std::size_t> next{0};
    auto worker = [&] {
        for (std::size_t i = next++; i < jobs.size(); i = next++) jobs[i]();
    };
    std::vector<std::thread> pool;
    for (int t = 1; t < threads; ++t) pool.emplace_back(worker);
    worker();
    for (std::thread& t : pool) t.join();
}

bool parseOptions(int argc, char** argv, Options& o) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string key = argv[i], value = argv[i + 1];
        if (key == "--res")
            o.res = value;
        else if (key == "--data")
            o.data = value;
        else if (key == "--out")
            o.out = value;
        else if (key == "--jobs")
            o.jobs = std::max(1, std::atoi(value.c_str()));
        else
            return false;
    }
    return !o.res.empty() && !o.out.empty();
}

}  // namespace

int main(int argc, char** argv) {
    Options opt;
    if (!parseOptions(argc, argv, opt)) {
        std::fprintf(stderr, "usage: kvb_assetgen --res resource.res --data data.paq --out kvb.paq [--jobs N]\n");
        return 2;
    }
    std::string text;
    if (!readFile(opt.res, text)) {
        std::fprintf(stderr, "kvb_assetgen: cannot read %s\n", opt.res.c_str());
        return 1;
    }
    ResScript script;
    std::string error;
    if (!parseResScript(text, script, error)) {
        std::fprintf(stderr, "kvb_assetgen: %s, %s\n", opt.res.c_str(), error.c_str());
        return 1;
    }

    std::array<VehicleLook, VEHICLE_COUNT> looks{};
    std::string why;
    if (opt.data.empty() || !readVehicleLooks(opt.data, looks, why))
        std::printf("kvb_assetgen: vehicle sizes not taken from the data (%s); using %dx%d\n",
                    opt.data.empty() ? "no data file given" : why.c_str(), looks[0].width, looks[0].height);
    setVehicleLooks(looks);
    text = fitVehicleRects(text, script);
    if (!parseResScript(text, script, error)) {
        std::fprintf(stderr, "kvb_assetgen: %s, %s\n", opt.res.c_str(), error.c_str());
        return 1;
    }

    // Fonts bound for a shared sheet are rendered first: their sizes shape the packing.
    std::map<std::string, FontSheet> sheetFonts;
    std::vector<SheetLayout> layouts;
    // A sheet is made when the script describes any of its textures, and takes those of
    // its fonts that the script describes.
    for (const SheetPlan& plan : sharedSheets()) {
        bool used = false;
        for (const std::string& member : plan.members) used = used || script.find("Texture", member);
        if (!used) continue;
        std::vector<SheetPiece> sizes;
        for (const std::string& name : plan.fonts) {
            if (!script.find("Font", name)) continue;
            FontSheet& font = sheetFonts[name];
            if (!renderFont(name, font)) {
                std::fprintf(stderr, "kvb_assetgen: no font %s for %s\n", name.c_str(), plan.texture.c_str());
                return 1;
            }
            sizes.push_back({name, cairo_image_surface_get_width(font.picture),
                             cairo_image_surface_get_height(font.picture)});
        }
        layouts.emplace_back();
        if (!layOutSheet(script, plan, sizes, layouts.back(), error)) {
            std::fprintf(stderr, "kvb_assetgen: %s\n", error.c_str());
            return 1;
        }
    }
    text = pointIntoSheets(text, script, layouts);
    if (!parseResScript(text, script, error)) {
        std::fprintf(stderr, "kvb_assetgen: %s after packing the shared sheets, %s\n", opt.res.c_str(), error.c_str());
        return 1;
    }

    PainterRegistry painters;
    addAllPainters(painters);
    AssetFiles files;
    files.put("resource.res", text);
    // Where each moved font's glyphs went, for its font file and its sheet's painting.
    std::map<std::string, std::pair<const SheetLayout*, const SheetPiece*>> fontPlaces;
    for (const SheetLayout& layout : layouts)
        for (const SheetPiece& p : layout.fonts) fontPlaces[p.name] = {&layout, &p};

    std::vector<std::function<void()>> jobs;
    std::vector<std::string> notes(script.entries.size());
    for (std::size_t i = 0; i < script.entries.size(); ++i) {
        const ResEntry& e = script.entries[i];
        std::string& note = notes[i];
        if (e.type == "Texture") {
            std::vector<const ResEntry*> users;
            for (const ResEntry& u : script.entries)
                if ((u.type == "Sprite" || u.type == "Animation") && u.texture == e.name) users.push_back(&u);
            const SheetLayout* layout = nullptr;
            for (const SheetLayout& l : layouts)
                if (l.plan->texture == e.name) layout = &l;
            jobs.push_back([&e, &note, &painters, &files, users, layout, &sheetFonts] {
                SheetResult sheet;
                if (!layout) {
                    sheet = paintSheet(users, painters);
                } else {
                    sheet = paintSheet(users, painters, layout->width, layout->height, [&](cairo_t* cr) {
                        for (const SheetPiece& p : layout->fonts) {
                            cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
                            cairo_set_source_surface(cr, sheetFonts.at(p.name).picture, p.x, p.y);
                            cairo_rectangle(cr, p.x, p.y, p.width, p.height);
                            cairo_fill(cr);
                        }
                    });
                }
                for (const std::string& n : sheet.unpainted) note += "no picture for " + n + "\n";
                for (const std::string& n : sheet.overlaps)
                    note += "overlapping pictures on " + e.name + ": " + n + "\n";
                files.put(e.filename, std::move(sheet.png));
            });
            continue;
        }
        std::function<bool(std::string&)> make;
        if (e.type == "Sound")
            make = [&e](std::string& b) { return makeSoundEffect(e.name, b); };
        else if (e.type == "Music")
            make = [&e](std::string& b) { return makeMusicModule(e.name, b); };
        else if (e.type == "Stream")
            make = [&e](std::string& b) { return makeMusicStream(e.name, b); };
        else if (e.type == "Particle")
            make = [&e](std::string& b) { return makeParticle(e.name, b); };
        if (make) {
            // Streams take longest: start them first so the workers finish together.
            auto at = e.type == "Stream" ? jobs.begin() : jobs.end();
            jobs.insert(at, std::function<void()>([&e, &note, &files, make] {
                            std::string bytes;
                            if (make(bytes))
                                files.put(e.filename, std::move(bytes));
                            else
                                note += "nothing made for " + e.type + " " + e.name + "\n";
                        }));
        } else if (e.type == "Font" && fontPlaces.count(e.name)) {
            const auto [layout, p] = fontPlaces.at(e.name);
            const FontSheet& font = sheetFonts.at(e.name);
            files.put(e.filename, fontFileText(pathFromFont(e.filename, layout->plan->file), p->x, p->y, p->width,
                                               font.height, FontSheet::FIRST, FontSheet::LAST, font.widths));
        } else if (e.type == "Font") {
            jobs.push_back([&e, &note, &files] {
                if (!makeFont(e.name, e.filename, files)) note += "nothing made for font " + e.name + "\n";
            });
        }
    }
    runJobs(jobs, opt.jobs);
    for (auto& [name, font] : sheetFonts) cairo_surface_destroy(font.picture);

    int missing = 0;
    for (const std::string& n : notes) {
        if (n.empty()) continue;
        std::fputs(n.c_str(), stderr);
        ++missing;
    }
    // A hole in the pack would only show up as a blank or silent spot in the game.
    if (missing) {
        std::fprintf(stderr, "kvb_assetgen: %d resources incomplete; no pack written\n", missing);
        return 1;
    }

    ZipWriter zip;
    for (const auto& [name, bytes] : files.all()) zip.add(name, bytes);
    const std::string archive = zip.finish();
    const std::filesystem::path out(opt.out);
    std::error_code ec;
    if (out.has_parent_path()) std::filesystem::create_directories(out.parent_path(), ec);
    const std::string temp = opt.out + ".part";
    {
        std::ofstream f(temp, std::ios::binary | std::ios::trunc);
        f.write(archive.data(), static_cast<std::streamsize>(archive.size()));
        if (!f) {
            std::fprintf(stderr, "kvb_assetgen: cannot write %s\n", temp.c_str());
            return 1;
        }
    }
    std::filesystem::rename(temp, out, ec);
    if (ec) {
        std::fprintf(stderr, "kvb_assetgen: cannot replace %s: %s\n", opt.out.c_str(), ec.message().c_str());
        return 1;
    }
    std::printf("kvb_assetgen: %zu files, %zu bytes in %s\n", files.all().size(), archive.size(), opt.out.c_str());
    return 0;
}
