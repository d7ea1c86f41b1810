// A race's page in the history: its heading, its figures lane by lane with the laps that look
// wrong, its lap-time chart, and while it is corrected or judged again, the correction's
// cursor or the race judged again beside it. The one place a race becomes its page.
#pragma once

#include "VerlaufAnsicht.h"

class Korrektur;
struct Neubewertung;
struct Rennaufzeichnung;

struct Rennseite {
    std::optional<qint64> nummer;   // none while it waits to be stored
    const Rennaufzeichnung& rennen; // as it now stands
    const Korrektur* korrektur = nullptr;
    const Neubewertung* neuBewertung = nullptr;
};

void rennseiteFuellen(VerlaufAnsicht& ansicht, const Rennseite& seite);
