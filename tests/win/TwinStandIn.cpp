// Stands in for tarnwick.exe beside the console twin: writes the arguments it
// got, one per line in brackets, to standard output and to stand-in.txt, and exits 3.
#include <cstdio>

int main(int argc, char** argv) {
    std::FILE* file = std::fopen("stand-in.txt", "w");
    for (int i = 1; i < argc; ++i) {
        std::printf("[%s]\n", argv[i]);
        if (file) std::fprintf(file, "[%s]\n", argv[i]);
    }
    if (file) std::fclose(file);
    return 3;
}
