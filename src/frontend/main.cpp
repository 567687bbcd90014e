// main.cpp: lfnsum, the checksum that ties a FAT long-file-name entry to its 8.3 short name.
#include <cstdio>

#include "frontend/run.hpp"

int main(int argc, char** argv) { return lfnsum::run_lfnsum(argc, argv, stdin, stdout, stderr); }
