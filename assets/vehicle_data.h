// Vehicle sizes taken from the game's data file, so the vehicle sprites match the hit
// boxes the game uses.
#pragma once

#include <array>
#include <string>

struct VehicleLook {
    int width = 48;
    int height = 56;
    double shotWidth = 8.0;
};

constexpr int VEHICLE_COUNT = 8;

// Fills `out` from the vehicle section of the data file. False (with the reason) when
// the file is missing or does not parse; `out` then keeps the fallback sizes.
bool readVehicleLooks(const std::string& path, std::array<VehicleLook, VEHICLE_COUNT>& out, std::string& why);

// The looks the painters use (fallbacks until the data file has been read).
const VehicleLook& vehicleLook(int n);
void setVehicleLooks(const std::array<VehicleLook, VEHICLE_COUNT>& looks);
