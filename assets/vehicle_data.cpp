// The vehicle section of the data file: per vehicle a name line, a description line,
// then labelled values: eight floats, three ints, "label sizeX sizeY", "label shotX
// shotY", two ints and "label x y".
#include "assets/vehicle_data.h"

#include <fstream>

bool readVehicleLooks(const std::string& path, std::array<VehicleLook, VEHICLE_COUNT>& out, std::string& why) {
    std::ifstream file(path);
    if (!file) {
        why = "cannot open " + path;
        return false;
    }
    std::array<VehicleLook, VEHICLE_COUNT> read = out;
    std::string line, label;
    for (int v = 0; v < VEHICLE_COUNT; ++v) {
        std::getline(file >> std::ws, line);
        std::getline(file, line);
        double skip = 0;
        for (int i = 0; i < 11; ++i) file >> label >> skip;
        int w = 0, h = 0;
        double shotX = 0, shotY = 0;
        file >> label >> w >> h >> label >> shotX >> shotY;
        for (int i = 0; i < 2; ++i) file >> label >> skip;
        file >> label >> skip >> skip;
        if (!file) {
            why = path + ": vehicle " + std::to_string(v) + " does not parse";
            return false;
        }
        if (w < 8 || h < 8 || w > 160 || h > 160 || shotX <= 0 || shotX > 64) {
            why = path + ": vehicle " + std::to_string(v) + " has an unusable size " + std::to_string(w) + "x" +
                  std::to_string(h);
            return false;
        }
        read[v] = VehicleLook{w, h, shotX};
    }
    out = read;
    return true;
}

namespace {
std::array<VehicleLook, VEHICLE_COUNT>& looks() {
    static std::array<VehicleLook, VEHICLE_COUNT> table{};
    return table;
}
}  // namespace

const VehicleLook& vehicleLook(int n) {
    return looks()[static_cast<std::size_t>(n) % VEHICLE_COUNT];
}

void setVehicleLooks(const std::array<VehicleLook, VEHICLE_COUNT>& table) {
    looks() = table;
}
