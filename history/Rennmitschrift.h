// Listens to the race engine and writes down what the history keeps: the drivers, and at
// each heat's end or Stop every lap and the finish of every lane, as the race holds them. A
// race that ends goes to the store at that moment, a lane-change race after its second heat;
// a race stopped after at least one lap goes too, marked as stopped.
#pragma once

#include "Rennbeobachter.h"
#include "Verlaufsablage.h"

#include <QDateTime>
#include <functional>
#include <optional>

class Rennmitschrift final : public Rennbeobachter {
public:
    using Quelle = std::function<Signalquelle()>;
    using Jetzt = std::function<QDateTime()>;

    Rennmitschrift(Verlaufsablage& ablage, Quelle quelle, Jetzt jetzt);

    void rennenGestartet(const Rennen& rennen) override;
    void signalGeprueft(const Rennen& rennen, int spur, double zeit) override;
    void fehlstart(const Rennen& rennen, int spur) override;
    void rennende(const Rennen& rennen, int siegerSpur) override;
    void rennenGestoppt(const Rennen& rennen) override;

    // The program closes: a race under way, or a lane-change race between its heats, is
    // kept as a stopped race.
    void abschliessen(const Rennen& rennen);

private:
    Spuren<Spurfahrt>& lauf() { return m_rennen->laeufe.back(); }
    void laufUebernehmen(const Rennen& rennen);
    bool laufOhneRunden() const;
    // Drops the heat under way; the race goes with it when it was the only one.
    void laufVerwerfen();
    void abgebrochenAblegen();

    Verlaufsablage& m_ablage;
    Quelle m_quelle;
    Jetzt m_jetzt;
    std::optional<Rennaufzeichnung> m_rennen; // the heats so far
    bool m_laeuft = false;                    // the last heat is under way
    bool m_schonAbgelegt = false; // the first heat went to the store with a stopped second
};
