// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The process's resident memory, for the benchmarks' bytes-per-row figures.

#include <cstdio>
#include <unistd.h>

inline long ResidentBytes() {
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return resident * sysconf(_SC_PAGESIZE);
}
