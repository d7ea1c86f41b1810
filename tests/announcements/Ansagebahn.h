// The race model's test track with the announcements listening, against a speaker that
// says nothing and finishes a text when the test says so.
#pragma once

#include "Ansagen.h"
#include "FakeSprecher.h"
#include "Rennbahn.h"

struct Ansagebahn : Rennbahn {
    FakeSprecher sprecher;
    Ansageeinstellungen e;
    Ansagen ansagen{sprecher, e};
    QStringList protokoll;

    Ansagebahn() {
        Einstellungswerte werte(speicher);
        e = Ansageeinstellungen::lesen(werte);
        rennen.beobachterAnmelden(ansagen);
        ansagen.protokollieren([this](const QString& text, bool verworfen) {
            protokoll << (verworfen ? text + " | verworfen" : text);
        });
        rennen.fahrerBenennen(1, "Anna");
        rennen.fahrerBenennen(2, "Jürgen");
    }

    // Signals at these seconds of the race, lane by lane in time order; after each one the
    // speaker says everything (speech keeps up) unless told otherwise.
    void signale(std::initializer_list<std::pair<int, double>> folge, bool aussprechen = true) {
        for (const auto& [spur, t] : folge) {
            signal(spur, t);
            if (aussprechen)
                sprecher.allesAussprechen();
        }
    }

    // Hand laps (second, lane) of a race by time, the race clock's alarms ringing on the way;
    // speech keeps up.
    void zeitrunden(std::vector<std::pair<double, int>> folge) {
        std::sort(folge.begin(), folge.end());
        for (const auto& [t, spur] : folge) {
            while (uhr.stand < Rennbahn::Basis + std::llround(t * 1000)) {
                uhr.stand += 10;
                if (wecker.klingelt(uhr.stand))
                    rennen.rennzeitTick();
            }
            rennen.handrunde(spur);
            sprecher.allesAussprechen();
        }
    }
};
