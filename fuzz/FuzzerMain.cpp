// The libFuzzer entry point of one target; TARVEL_FUZZ_ENTRY names its function.
#include "FuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return tarvel::fuzz::TARVEL_FUZZ_ENTRY(data, size);
}
