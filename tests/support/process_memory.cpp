#include "process_memory.h"

#include <fstream>
#include <sstream>
#include <string>

long vekkiro::testing::processMemoryKiB(const char* field) {
    std::ifstream status("/proc/self/status");
    const std::string prefix = std::string(field) + ':';
    for (std::string line; std::getline(status, line);) {
        if (line.rfind(prefix, 0) == 0) {
            std::istringstream value(line.substr(prefix.size()));
            long kib = -1;
            value >> kib;
            return kib;
        }
    }
    return -1;
}
