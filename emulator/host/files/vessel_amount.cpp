#include "emulator/host/files/vessel_amount.h"

#include <cmath>

namespace emu {

bool IsVesselAmount(double value)
{
    return std::isnormal(value) && value > 0.0;
}

}  // namespace emu
