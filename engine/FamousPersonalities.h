// Two people born under each sign, in catalogue row order.
#pragma once

#include <array>
#include <string_view>

namespace kinwise::modMayanNumerology {

inline constexpr std::array<std::string_view, 20> FamousPersonalities{
    "Placeholder One, Placeholder Two",
    "Placeholder One, Placeholder Two",
    "Placeholder One, Placeholder Two",
    "Placeholder One, Placeholder Two",
    "Placeholder One, Placeholder Two",
    "Placeholder One, Placeholder Two",
    "Placeholder One, Placeholder Two",
    "Placeholder One, Placeholder Two",
    "Placeholder One, Placeholder Two",
    "Placeholder One, Placeholder Two",
    "Placeholder One, Placeholder Two",
    "Placeholder One, Placeholder Two",
    "Placeholder One, Placeholder Two",
    "Placeholder One, Placeholder Two",
    "Placeholder One, Placeholder Two",
    "Placeholder One, Placeholder Two",
    "Placeholder One, Placeholder Two",
    "Placeholder One, Placeholder Two",
    "Placeholder One, Placeholder Two",
    "Placeholder One, Placeholder Two",
};

} // namespace kinwise::modMayanNumerology
