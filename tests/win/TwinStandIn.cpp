// Stands in for tarnwick.exe: writes its arguments in brackets to standard output and stand-in.txt; exits 3.
#include <cstdio>

int main(int argc, char** argv) {
    std::FILE* file = std::fopen("stand-in.txt", "w");
    for (int i = 1; i < argc; ++i) std::printf("[%s]\n", argv[i]), std::fprintf(file, "[%s]\n", argv[i]);
    return std::fclose(file) == 0 ? 3 : 4;
}
