// rundomat-board-sim: the sensor board's real firmware in a simulated ATmega328P, paced to
// real time and bridged to a pseudo-terminal (or a serial device), with two cars that drive
// when the program's light says so. Prints the line's path first, then every crossing in
// simulated time, which is also the board's clock.
#include "Leitung.h"
#include "Platinenprotokoll.h"
#include "Simplatine.h"
#include "Strecke.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <thread>

namespace {

// Longest stretch simulated at once: the line's bytes move at least this often.
constexpr std::uint64_t Scheibe = Simplatine::Takt / 1000;

void zeile(std::FILE* ausgabe, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), ausgabe);
    std::fputc('\n', ausgabe);
    std::fflush(ausgabe);
}

std::int64_t ms(std::uint64_t zyklus) {
    return static_cast<std::int64_t>(zyklus / (Simplatine::Takt / 1000));
}

std::uint64_t zyklus(std::int64_t ms) {
    return static_cast<std::uint64_t>(ms) * (Simplatine::Takt / 1000);
}

// A car over the line: the beam breaks, the contact bounces twice, the car has passed
// 25 ms later.
void durchfahren(Simplatine& platine, const Durchfahrt& d) {
    const std::uint64_t t = zyklus(d.ms);
    platine.spurSetzen(d.spur, false, t);
    platine.spurSetzen(d.spur, true, t + Simplatine::Takt * 20 / 1'000'000);
    platine.spurSetzen(d.spur, false, t + Simplatine::Takt * 45 / 1'000'000);
    platine.spurSetzen(d.spur, true, t + Simplatine::Takt * 25 / 1000);
}

// Follows the program's commands for the light, which starts and stops the cars.
class Ampelleser {
public:
    void lesen(const std::vector<std::uint8_t>& bytes, Strecke& strecke, std::int64_t jetzt) {
        for (const std::uint8_t byte : bytes) {
            m_leser.aufnehmen(byte);
            while (const std::optional<Rahmung::Rohrahmen> rahmen = m_leser.naechster()) {
                if (rahmen->art != BEFEHL_AMPEL || rahmen->nutzdaten.size() != LAENGE_AMPEL)
                    continue;
                strecke.ampel(rahmen->nutzdaten[0], jetzt);
                zeile(stdout, QStringLiteral("Ampel %1 bei %2 s")
                                  .arg(rahmen->nutzdaten[0])
                                  .arg(static_cast<double>(jetzt) / 1000, 0, 'f', 3));
            }
        }
    }

private:
    Rahmung::Leser m_leser;
};

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCommandLineParser befehl;
    befehl.setApplicationDescription(QStringLiteral(
        "Die Firmware der Sensorplatine in einem simulierten ATmega328P, in Echtzeit, an einem "
        "neuen Pseudoterminal (dessen Pfad die erste Ausgabezeile ist) oder einer seriellen "
        "Schnittstelle. Zwei Autos fahren, sobald die Ampel des Programms Grün zeigt oder auf "
        "fliegenden Start steht."));
    befehl.addHelpOption();
    befehl.addOptions({
        {QStringLiteral("device"), QStringLiteral("Serielle Schnittstelle statt Pseudoterminal."),
         QStringLiteral("PFAD")},
        {QStringLiteral("firmware"), QStringLiteral("Die Firmware (.elf)."),
         QStringLiteral("DATEI"), QStringLiteral(FIRMWARE_PFAD)},
        {QStringLiteral("lap"), QStringLiteral("Mittlere Rundenzeit in Sekunden (Vorgabe 4)."),
         QStringLiteral("SEKUNDEN"), QStringLiteral("4")},
        {QStringLiteral("seed"), QStringLiteral("Startwert des Zufalls (Vorgabe 1)."),
         QStringLiteral("ZAHL"), QStringLiteral("1")},
    });
    befehl.process(app);

    bool ok = false;
    const double rundenzeit = befehl.value(QStringLiteral("lap")).toDouble(&ok);
    if (!ok || !(rundenzeit >= 0.5 && rundenzeit <= 3600)) {
        zeile(stderr, QStringLiteral("--lap: eine Rundenzeit zwischen 0.5 und 3600 Sekunden"));
        return 2;
    }
    const unsigned seed = befehl.value(QStringLiteral("seed")).toUInt(&ok);
    if (!ok) {
        zeile(stderr, QStringLiteral("--seed: eine ganze Zahl ab 0"));
        return 2;
    }
    const QString geraet = befehl.value(QStringLiteral("device"));
    std::optional<Leitung> leitung = geraet.isEmpty()
                                         ? Leitung::pseudoterminal(B115200)
                                         : Leitung::geraet(geraet.toStdString(), B115200);
    if (!leitung) {
        zeile(stderr, QStringLiteral("Die Leitung %1 lässt sich nicht öffnen.")
                          .arg(geraet.isEmpty() ? QStringLiteral("(Pseudoterminal)") : geraet));
        return 1;
    }
    std::optional<Simplatine> platine;
    try {
        platine.emplace(befehl.value(QStringLiteral("firmware")).toStdString());
    } catch (const std::exception& fehler) {
        zeile(stderr, QString::fromLocal8Bit(fehler.what()));
        return 1;
    }
    zeile(stdout, QString::fromStdString(leitung->pfad()));

    Strecke strecke(rundenzeit, seed);
    Ampelleser ampel;
    const auto start = std::chrono::steady_clock::now();
    for (;;) {
        // Never ahead of real time; behind it on a busy machine, as fast as it can.
        const auto echt = std::chrono::duration_cast<std::chrono::microseconds>(
            std::chrono::steady_clock::now() - start);
        const std::uint64_t ziel =
            std::min(static_cast<std::uint64_t>(echt.count()) * (Simplatine::Takt / 1'000'000),
                     platine->zyklus() + Scheibe);
        if (ziel <= platine->zyklus()) {
            std::this_thread::sleep_for(std::chrono::microseconds(500));
            continue;
        }
        for (const Durchfahrt& d : strecke.bis(ms(ziel))) {
            durchfahren(*platine, d);
            zeile(stdout, QStringLiteral("Spur %1: Durchfahrt bei %2 s")
                              .arg(d.spur)
                              .arg(static_cast<double>(d.ms) / 1000, 0, 'f', 3));
        }
        platine->laufenBis(ziel);
        std::vector<std::uint8_t> gesendet;
        for (const Simplatine::Byte& byte : platine->empfangen())
            gesendet.push_back(byte.wert);
        leitung->senden(gesendet);
        const std::vector<std::uint8_t> befehle = leitung->empfangen();
        ampel.lesen(befehle, strecke, ms(platine->zyklus()));
        platine->senden(befehle);
    }
}
