// The input as brushwise.opt: any file gives 106 slots, and a save writes exactly 424 bytes.
#include "file_io.h"
#include "fuzz_common.h"
#include "options.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Parsing is what is fuzzed here: the flush to disk would only slow every run down.
    file_io_set_sync([](int) { return 0; });
    write_input("brushwise.opt", data, size);
    Options_Clear();
    Options_Load();
    FUZZ_CHECK(get_option_slot(-1) == -1);
    for (int i = 0; i < kOptionSlots; ++i)
        get_option_slot(i);
    FUZZ_CHECK(Options_Save());
    FUZZ_CHECK(std::filesystem::file_size("brushwise.opt") == 424);
    return 0;
}
