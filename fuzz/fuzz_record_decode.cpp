// Any 68 bytes decode to a record that encodes back to the same bytes.

#include "storage/ParameterFile.h"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < kParameterRecordSize)
        return 0;
    const Mechanism m = DecodeMechanism(data);
    const auto bytes = EncodeMechanism(m);
    if (std::memcmp(bytes.data(), data, kParameterRecordSize) != 0)
        std::abort();
    return 0;
}
