#pragma once

#include <string>

// Decimal text of an integer; builds numbered resource names such as "enemy" + n.
std::string itos(int value);
