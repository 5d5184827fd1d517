// Peak resident memory of the process in MB since the last reset (Linux keeps it in /proc).
#pragma once

#include <fstream>
#include <string>

inline void ResetPeakMemory() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

inline double PeakMemoryMB() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmHWM:") {
            double kilobytes = 0;
            status >> kilobytes;
            return kilobytes / 1024;
        }
        std::getline(status, key);
    }
    return 0;
}
