// A list of points by place, as a club types it ("25,22,20,18"): for a night's places in a
// season, and for the places in each Lauf of a night scored by places.
#pragma once

#include <QString>
#include <optional>
#include <vector>

// 1 to 16 whole numbers from 0 to 100, separated by commas, none more than the one before;
// a place beyond the list earns nothing.
std::optional<std::vector<int>> punktelisteLesen(const QString& text);
// What is wrong with the text as such a list, in German; none when nothing is.
std::optional<QString> punktelisteFehler(const QString& text);
QString punktelisteText(const std::vector<int>& punkte);
