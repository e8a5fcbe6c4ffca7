// The resident size of this process, for the soak test and the benchmark.
#pragma once

#include <unistd.h>

#include <fstream>

namespace kestrano::test {

inline long rssInKb() {
    std::ifstream statm("/proc/self/statm");
    long pagine = 0, residenti = 0;
    statm >> pagine >> residenti;
    return residenti * (sysconf(_SC_PAGESIZE) / 1024);
}

}  // namespace kestrano::test
