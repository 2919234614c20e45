// The entry libFuzzer calls, built once per target: TERVALA_FUZZ names the
// target's function in fuzz_targets.cpp.
#include <cstddef>
#include <cstdint>
#include <string>

namespace tervala::fuzz {
void TERVALA_FUZZ(const std::string& input);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    tervala::fuzz::TERVALA_FUZZ(std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}
