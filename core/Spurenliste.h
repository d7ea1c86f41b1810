// Lanes named by number in a setting or on the command line: "3,5" for lanes 3 and 5, kept
// as the bits of a mask (bit n-1 for lane n).
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

// The lanes of a list of numbers 1 to 8 separated by commas; none for anything else.
std::optional<std::uint32_t> spurenlisteLesen(const QString& text);
QString spurenlisteText(std::uint32_t spuren);
