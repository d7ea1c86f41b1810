// The drivers of a race night: 3 to 16 in a night of pairs, up to 32 in a rotation over
// every lane, each with a colour. A name is the same driver
// whatever its case ("Anna" and "anna"), as a racer reading the list would take it.
#pragma once

#include "Farben.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

constexpr int WenigsteFahrer = 3;
constexpr int MeisteFahrer = 16;
constexpr int MeisteFahrerSpurrotation = 32;

struct Teilnehmer {
    QString name;
    Farbe farbe = Farben::Hellgrau;
};

bool gleicherFahrer(const QString& a, const QString& b);

// What is wrong with these names as a night's drivers, in German; none when nothing is.
std::optional<QString> fahrerlisteFehler(const QStringList& namen, int hoechstens = MeisteFahrer);

// Names separated by commas, each trimmed and without its class ("Anna [Junior], Bert,Carla":
// Fahrerklassen.h).
QStringList fahrernamenTrennen(const QString& liste);

// The drivers in this order, each with a colour from a fixed set of sixteen, which the
// seventeenth driver begins again.
std::vector<Teilnehmer> teilnehmerMitFarben(const QStringList& namen);
