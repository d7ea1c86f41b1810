// P on a race's page: the race judged again from its raw signals with a Prellzeit the racer
// types. The race as it would then stand is shown beside the race as it stands until the
// racer keeps it as a correction or leaves it.
#pragma once

#include "Dialoge.h"
#include "Rennaufzeichnung.h"

#include <optional>

struct Neubewertung {
    double prellzeit = 0;
    Rennaufzeichnung rennen; // as judged with it
};

// Asks for the Prellzeit and judges the race; nothing when the racer cancels, or is told why
// the race cannot be judged so.
std::optional<Neubewertung> neuBewerten(Dialoge& dialoge, const Rennaufzeichnung& gezeigt);
