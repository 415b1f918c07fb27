#pragma once
// Shared by the fuzz entries: a scratch working folder with data/, and the input written as one
// of the program's files.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

inline void enter_scratch_folder() {
    static bool entered = false;
    if (entered) return;
    // In memory where the system offers it: every run rewrites files.
    char in_memory[] = "/dev/shm/brushwise-fuzz-XXXXXX";
    char on_disk[] = "/tmp/brushwise-fuzz-XXXXXX";
    char* pattern = mkdtemp(in_memory) ? in_memory : on_disk;
    if (pattern == on_disk && !mkdtemp(on_disk)) std::abort();
    static std::filesystem::path folder = pattern;
    std::filesystem::current_path(folder);
    std::filesystem::create_directory("data");
    std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    });
    entered = true;
}

inline void write_input(const char* path, const uint8_t* data, size_t size) {
    enter_scratch_folder();
    std::FILE* f = std::fopen(path, "wb");
    if (!f) std::abort();
    if (size) std::fwrite(data, 1, size, f);
    std::fclose(f);
}

// Stops the fuzzer with a crash report when a reader breaks one of its promises.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) std::abort();                                                            \
    } while (0)
