// The heaviest battle scene the tables allow, for benchmarks and the drawing tests: every
// wall, enemy, item and shot slot filled with objects that stay put on both fields, and
// the blast particle manager full.
#pragma once

// Fills every table; call after a match has been set up (and again to top it up).
void fillHeavyScene();
// Active slots of one of the world tables.
template <class Table>
int activeCount(const Table& table) {
    int n = 0;
    for (const auto& slot : table) n += slot.active;
    return n;
}
