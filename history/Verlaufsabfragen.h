// What the history window and the export read from the race database: the list of races,
// one race with every lap, every race in turn, and a driver's record.
#pragma once

#include "Rennaufzeichnung.h"
#include "Verlaufsdatenbank.h"

#include <QDate>
#include <functional>
#include <optional>
#include <vector>

// A race as the list shows it.
struct Rennkopf {
    qint64 nummer = 0;
    QString beginn; // ISO text, local time with offset
    Rennart art = Rennart::Rennen;
    int rundenzahl = 0;
    bool abgebrochen = false;
    std::optional<QString> sieger;
    Spuren<QString> fahrer; // every lane of the first heat
    std::optional<double> besteZeit;
    QString besterFahrer;
};

struct Bestleistung {
    double wert = 0;
    QString beginn;
    qint64 rennen = 0;
};

struct Fahrerbilanz {
    QString name;
    int rennen = 0;
    int abgebrochen = 0;
    int siege = 0;
    std::optional<Bestleistung> besteRunde;    // seconds
    std::optional<Bestleistung> besterSchnitt; // metres per second, over a finished race
    std::vector<std::pair<QDate, double>> tagesbestzeiten; // oldest day first
};

class Verlaufsabfragen {
public:
    explicit Verlaufsabfragen(Verlaufsdatenbank& datenbank) : m_db(datenbank) {}

    // Newest first. The reason in fehler() when the database could not be read.
    std::vector<Rennkopf> rennliste();
    std::optional<Rennaufzeichnung> rennen(qint64 nummer);
    // Every race, oldest first, one at a time; the walk stops when `weiter` says false.
    bool alleRennen(const std::function<bool(qint64, const Rennaufzeichnung&)>& weiter);
    Fahrerbilanz fahrer(const QString& name);

    QString fehler() const { return m_fehler; }

private:
    void weitereSpurenLesen(std::vector<Rennkopf>& liste);

    Verlaufsdatenbank& m_db;
    QString m_fehler;
};
