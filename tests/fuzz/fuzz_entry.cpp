// libFuzzer's entry for one target, chosen when the executable is built.
#include "fuzz_targets.h"

#ifndef PEBBLEDASH_FUZZ_TARGET
#error "PEBBLEDASH_FUZZ_TARGET names the target"
#endif

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const fuzz::Target* target = fuzz::FindTarget(PEBBLEDASH_FUZZ_TARGET);
    if (target) target->run(data, size);
    return 0;
}
