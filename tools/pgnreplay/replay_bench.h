#pragma once

#include "command_line.h"

// Measures the import and the replay of the whole file, best of three runs each, and
// prints bytes, games, plies, times, rates and the peak resident memory, then the CPU
// time of the best replay run. Returns the exit status.
int runBench(const Options &options);
