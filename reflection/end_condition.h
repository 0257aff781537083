// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The end of the medium: free (the pulse comes back with its sign), fixed
// (inverted) or non-reflecting (nothing comes back, as if the medium went
// on).
namespace ondel {

// Data position of the end (window x 9200, the rest place of particle 9).
inline constexpr int endPosition = 180;

enum class EndCondition { Free, Fixed, NonReflecting };

// Which end conditions the end button steps through.
enum class EndChoices {
    FreeFixed,              // 自由固定
    FreeFixedNonReflecting, // 自由固定無反射
};

// The end condition after one press of the end button: free -> fixed ->
// free, or free -> fixed -> non-reflecting -> free.
constexpr EndCondition nextEndCondition(EndCondition end, EndChoices choices)
{
    if (end == EndCondition::Free)
        return EndCondition::Fixed;
    if (end == EndCondition::Fixed && choices == EndChoices::FreeFixedNonReflecting)
        return EndCondition::NonReflecting;
    return EndCondition::Free;
}

// The factor on the reflected wave: +1, -1 or 0.
constexpr float reflectionFactor(EndCondition end)
{
    return end == EndCondition::Free ? 1.0f : end == EndCondition::Fixed ? -1.0f : 0.0f;
}

} // namespace ondel
