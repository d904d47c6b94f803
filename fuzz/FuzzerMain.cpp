// The libFuzzer entry of one target; BURGEON_FUZZ_TARGET names it (see FuzzEntries.cpp).
#include "fuzz/FuzzEntries.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

burgeon::FuzzEntry targetEntry() {
    static const burgeon::FuzzTarget* const target = burgeon::findFuzzTarget(BURGEON_FUZZ_TARGET);
    if (target == nullptr) {
        std::fprintf(stderr, "no fuzz target named %s\n", BURGEON_FUZZ_TARGET);
        std::abort();
    }
    return target->entry;
}

} // namespace

// A small quarantine lets freed pictures and tables be reused, and fresh blocks are not filled
// with garbage: the fresh pages a large quarantine demands cost more than the readers
// themselves. Freed memory is still poisoned, so a use after free is still caught.
extern "C" const char* __asan_default_options() {
    return "quarantine_size_mb=16:max_malloc_fill_size=0";
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const burgeon::FuzzEntry entry = targetEntry();
    entry(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
