#pragma once

#include <cstdint>

// The end of the medium as the factor on the reflected wave: +1 free (the
// pulse comes back with its sign), -1 fixed (inverted), 0 non-reflecting
// (nothing comes back, as if the medium went on).
namespace ondel {

// Data position of the end (window x 9200, the rest place of particle 9).
inline constexpr int endPosition = 180;

enum class EndChoices {
    FreeFixed,              // 自由固定
    FreeFixedNonReflecting, // 自由固定無反射
};

// The end condition after one press of Command6: free -> fixed -> free, or
// free -> fixed -> non-reflecting -> free.
constexpr std::int16_t nextEndSign(std::int16_t endSign, EndChoices choices)
{
    if (endSign == 1)
        return -1;
    if (endSign == -1 && choices == EndChoices::FreeFixedNonReflecting)
        return 0;
    return 1;
}

} // namespace ondel
