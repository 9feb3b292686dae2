#include "shell/text.h"

#include <sstream>

std::string itos(int value) {
    std::ostringstream out;
    out << value;
    return out.str();
}
