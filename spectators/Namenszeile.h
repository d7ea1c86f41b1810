// A line of the spectators' views that names drivers, in parts: where it is too narrow,
// the names are cut with "…", never the words around them, so the sentence stays whole.
#pragma once

#include "Farben.h"

#include <QString>
#include <optional>
#include <vector>

struct Zeilenteil {
    QString text;
    bool name = false;
    std::optional<Farbe> farbe = std::nullopt; // a name's driver's colour, where the view has it

    bool operator==(const Zeilenteil&) const = default;
};

using Namenszeile = std::vector<Zeilenteil>;

// The whole line, as it reads uncut.
inline QString zeilentext(const Namenszeile& zeile) {
    QString text;
    for (const Zeilenteil& teil : zeile)
        text += teil.text;
    return text;
}
