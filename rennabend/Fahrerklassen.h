// A driver's class ("Junior", "GT") comes with the roster, in brackets after the name:
// "Anna [Junior]". A name without brackets has none, so every roster of before reads as it
// did. The night keeps each driver's class, those who left included; the season ranks every
// class on its own.
#pragma once

#include <QMap>
#include <QString>
#include <optional>

struct Fahrerangabe {
    QString name;
    QString klasse; // empty: none
};

// "Anna [Junior]" → Anna of the class Junior; "Anna []" is Anna of none.
Fahrerangabe fahrerangabe(const QString& eintrag);

// Driver → class, for the drivers of a night who have one.
using Fahrerklassen = QMap<QString, QString>;

// The classes of a roster of names separated by commas.
Fahrerklassen fahrerklassenTrennen(const QString& liste);
// Whatever its case, as a driver's name is; empty for a driver of no class.
QString klasseVon(const Fahrerklassen& klassen, const QString& fahrer);
// The driver's class from now on; an empty one takes it away.
void klasseSetzen(Fahrerklassen& klassen, const QString& fahrer, const QString& klasse);

// As the night's row keeps them: a JSON object, {"Anna": "Junior"}; empty for none.
QString klassenText(const Fahrerklassen& klassen);
// None for a text that is no such object.
std::optional<Fahrerklassen> klassenLesen(const QString& text);
