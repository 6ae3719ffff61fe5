// Feeds any bytes to the reader of the gamma recovery file, which a killed run or a damaged disk may
// have left in any state. Every input must end in ramps or in nothing; ramps read back must be
// written and read again unchanged.
#include "core/gamma/RampFile.h"

#include "FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto ramps = cssbinder::ParseRamps(cssbinder::FuzzText(data, size));
    cssbinder::Expect(!ramps || cssbinder::ParseRamps(cssbinder::SerializeRamps(*ramps)) == ramps);
    return 0;
}
