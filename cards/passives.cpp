#include "cards/conditions.h"

#include "shell/world.h"

namespace {
bool validSide(int side) { return side == 0 || side == 1; }
}  // namespace

void receivePassive(int side, int passive) {
    if (!validSide(side)) return;
    int* places = pl[side].passive;
    places[2] = places[1];
    places[1] = places[0];
    places[0] = passive;
}

bool passiveExists(int side, int passive) {
    if (!validSide(side)) return false;
    const int* places = pl[side].passive;
    return places[0] == passive || places[1] == passive || places[2] == passive;
}

void clearPassives(int side) {
    if (!validSide(side)) return;
    for (int& place : pl[side].passive) place = 0;
}
