// libFuzzer target for the vehicle file reader: any bytes parse without a
// crash, a refused file carries the bad-file message, and an accepted file
// written out again is a fixed point (written, read and written once more it
// gives the same bytes), so a layout never drifts over save and open.
#include "core/layout/vehiclefile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const tarvik::VehicleReadResult first = tarvik::parseVehicleText(text);
    if (!first.ok) {
        if (first.message != tarvik::kNotAVehicleFileMessage)
            std::abort();
        return 0;
    }
    const std::string written = tarvik::vehicleFileText(first.data);
    const tarvik::VehicleReadResult second = tarvik::parseVehicleText(written);
    if (!second.ok || second.data.suspensionType != first.data.suspensionType
        || second.data.unitsFlag != first.data.unitsFlag)
        std::abort();
    if (tarvik::vehicleFileText(second.data) != written)
        std::abort();
    return 0;
}
