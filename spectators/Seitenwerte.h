// The live page's content: every element the page fills, by its id, with its text, its
// class and its colour. The first HTML answer is the page template filled with them; every
// update over the WebSocket is the same values as JSON, which the page's script writes
// into the same elements. One list, so the page cannot show what the window does not.
#pragma once

#include "Zuschaueransicht.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

struct Seitenwert {
    QString id;
    QString text;
    std::optional<QString> klasse; // elements with a state: "neu", "rot", "an", or empty
    QString farbe;                 // a CSS colour "#rrggbb" for the text, or empty
    // Elements that may stand on a colour (the names): the CSS colour, or empty for none.
    std::optional<QString> grund = std::nullopt;
    // A line naming drivers: its parts, the names in elements of class "name" that the
    // page may cut with "…"; `text` is the whole line.
    std::optional<Namenszeile> teile = std::nullopt;
};

std::vector<Seitenwert> seitenwerte(const Zuschaueransicht& ansicht);

// The page's template: the page with "{{spur1}}" where lane 1's card goes and
// "{{weitereSpuren}}" where the others go, and a lane's card with "SPUR" for its number.
struct Seitenvorlage {
    QString seite;
    QString spur;
};
// The template the program serves, from its resources.
Seitenvorlage seitenvorlage();

// {"spuren":n,"texte":{id:text},"klassen":{id:klasse},"farben":{id:farbe},"gruende":{id:grund},
//  "teile":{id:[{"text":text,"name":bool,"farbe":farbe}]},
//  "abend":{"kopf":[text],"zeilen":[{"zellen":[text],"ausgeschieden":bool,
//  "farbe":farbe,"schrift":farbe}],"laeufe":[{"name":name,"text":text}]}}, compact UTF-8; a race
// night's table is empty but between its races, and a row's name stands on the driver's colour
// (none for one who left); a name in a line may have its driver's colour; "laeufe" tells each
// driver of the night where they drive next.
QByteArray seitenJson(const Zuschaueransicht& ansicht);

// The template with a card for every lane, "{{spuren}}" their count, and every "{{id}}" replaced by
// the element's text (a line's parts, its names as <span class="name" title="…">), "{{id.klasse}}"
// by its class, "{{id.farbe}}" by its colour and "{{id.grund}}" by the colour it stands on, all
// HTML-escaped; "{{abendtabelle}}" by the night's table as rows of escaped cells,
// "{{abendtabelle.klasse}}" by "an" while it has any.
QByteArray seiteFuellen(const Seitenvorlage& vorlage, const Zuschaueransicht& ansicht);
