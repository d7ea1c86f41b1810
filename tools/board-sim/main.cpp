// rundomat-board-sim: the sensor board's real firmware in a simulated ATmega328P, paced to
// real time and bridged to a pseudo-terminal (or a serial device), with a car on each of its
// lanes (two unless told) that drive when the program's light says so. Prints the line's path
// first, then every crossing and every change of a lane's power output in simulated time,
// which is the board's clock until the board restarts. The cars drive on without power, so
// crossings during a stop and go show what the program makes of them. On request a car jumps
// the start, the board restarts, sends false times or gets a damaged command.
#include "Leitung.h"
#include "Pannen.h"
#include "Platinenprotokoll.h"
#include "Simplatine.h"
#include "Strecke.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <thread>
#include <utility>

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
// 25 ms later. `beginn` is the simulated cycle at which this board was switched on.
void durchfahren(Simplatine& platine, const Durchfahrt& d, std::uint64_t beginn) {
    const std::uint64_t t = zyklus(d.ms) - beginn;
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

// Tells each change of the power outputs of the lanes with a car. A new board's register
// starts without power, as after a dip in the supply, until its firmware gives it.
class Stromanzeige {
public:
    explicit Stromanzeige(int spuren) : m_spuren(spuren) {}

    void verfolgen(const Simplatine& platine, std::uint64_t beginn) {
        const std::uint8_t jetzt = platine.spurstrom();
        const std::uint8_t anders = jetzt ^ std::exchange(m_strom, jetzt);
        const double wann = static_cast<double>(ms(beginn + platine.spurstromGeaendert())) / 1000;
        for (int spur = 1; spur <= m_spuren; ++spur) {
            const int bit = 1 << (spur - 1);
            if (anders & bit)
                zeile(stdout, QStringLiteral("Strom Spur %1 %2 bei %3 s")
                                  .arg(spur)
                                  .arg((jetzt & bit) ? QStringLiteral("an") : QStringLiteral("aus"))
                                  .arg(wann, 0, 'f', 3));
        }
    }

private:
    int m_spuren;
    std::uint8_t m_strom = 0;
};

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCommandLineParser befehl;
    befehl.setApplicationDescription(QStringLiteral(
        "Die Firmware der Sensorplatine in einem simulierten ATmega328P, in Echtzeit, an einem "
        "neuen Pseudoterminal (dessen Pfad die erste Ausgabezeile ist) oder einer seriellen "
        "Schnittstelle. Auf jeder Spur fährt ein Auto, sobald die Ampel des Programms Grün zeigt "
        "oder auf fliegenden Start steht."));
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
        {QStringLiteral("lanes"),
         QStringLiteral("Spuren mit einem Auto, an den Eingängen 1 bis so viele (Vorgabe 2)."),
         QStringLiteral("ANZAHL"), QStringLiteral("2")},
        {QStringLiteral("jump-start"),
         QStringLiteral("Das Auto dieser Spur fährt während des Countdowns einmal über die "
                        "Linie, vor Grün."),
         QStringLiteral("SPUR")},
        {QStringLiteral("restart"),
         QStringLiteral("Die Platine startet so viele Sekunden nach Grün neu; ihr Hallo geht "
                        "verloren."),
         QStringLiteral("SEKUNDEN")},
        {QStringLiteral("bogus-stamp"),
         QStringLiteral("So viele Sekunden nach Grün gehen eine Flanke von Spur 1 und eine "
                        "Zeitmeldung mit gültiger Prüfsumme hinaus, eine Stunde der Platinenuhr "
                        "voraus."),
         QStringLiteral("SEKUNDEN")},
        {QStringLiteral("corrupt-light"),
         QStringLiteral("Der erste Ampelbefehl mit diesem Zustand kommt mit falscher Prüfsumme "
                        "an der Platine an."),
         QStringLiteral("ZUSTAND")},
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
    const int spuren = befehl.value(QStringLiteral("lanes")).toInt(&ok);
    if (!ok || spuren < 1 || spuren > PLATINE_SPUREN) {
        zeile(stderr, QStringLiteral("--lanes: 1 bis %1 Spuren").arg(PLATINE_SPUREN));
        return 2;
    }
    std::optional<int> fruehstart;
    if (befehl.isSet(QStringLiteral("jump-start"))) {
        fruehstart = befehl.value(QStringLiteral("jump-start")).toInt(&ok);
        if (!ok || *fruehstart < 1 || *fruehstart > spuren) {
            zeile(stderr, QStringLiteral("--jump-start: eine Spur von 1 bis %1").arg(spuren));
            return 2;
        }
    }
    Pannenplan plan;
    for (const auto& [name, ziel] :
         {std::pair{QStringLiteral("restart"), &plan.neustart},
          std::pair{QStringLiteral("bogus-stamp"), &plan.falscheZeiten}}) {
        if (!befehl.isSet(name))
            continue;
        const double sekunden = befehl.value(name).toDouble(&ok);
        if (!ok || !(sekunden >= 0 && sekunden <= 86400)) {
            zeile(stderr, QStringLiteral("--%1: Sekunden nach Grün, ab 0").arg(name));
            return 2;
        }
        *ziel = std::llround(sekunden * 1000);
    }
    if (befehl.isSet(QStringLiteral("corrupt-light"))) {
        plan.kaputteAmpel = befehl.value(QStringLiteral("corrupt-light")).toInt(&ok);
        if (!ok || *plan.kaputteAmpel < 0 || *plan.kaputteAmpel > AMPEL_MAX_ZUSTAND) {
            zeile(stderr, QStringLiteral("--corrupt-light: ein Ampelzustand von 0 bis 8"));
            return 2;
        }
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
    const std::string firmware = befehl.value(QStringLiteral("firmware")).toStdString();
    std::optional<Simplatine> platine;
    try {
        platine.emplace(firmware);
    } catch (const std::exception& fehler) {
        zeile(stderr, QString::fromLocal8Bit(fehler.what()));
        return 1;
    }
    zeile(stdout, QString::fromStdString(leitung->pfad()));

    Strecke strecke(rundenzeit, seed, spuren, fruehstart);
    Ampelleser ampel;
    Pannen pannen(plan);
    Stromanzeige strom(spuren);
    // The simulated cycle at which the present board was switched on.
    std::uint64_t beginn = 0;
    // How far the simulation was behind real time when the last time report went out, in
    // ms, and that before the restart.
    std::int64_t rueckstand = 0;
    std::optional<std::int64_t> rueckstandVorDemNeustart;
    const auto sekunden = [](std::uint64_t zyklus) {
        return QString::number(static_cast<double>(ms(zyklus)) / 1000, 'f', 3);
    };
    const auto start = std::chrono::steady_clock::now();
    for (;;) {
        // Never ahead of real time; behind it on a busy machine, as fast as it can.
        const auto echt = std::chrono::duration_cast<std::chrono::microseconds>(
            std::chrono::steady_clock::now() - start);
        const std::uint64_t jetzt = beginn + platine->zyklus();
        const std::uint64_t ziel =
            std::min(static_cast<std::uint64_t>(echt.count()) * (Simplatine::Takt / 1'000'000),
                     jetzt + Scheibe);
        if (ziel <= jetzt) {
            std::this_thread::sleep_for(std::chrono::microseconds(500));
            continue;
        }
        if (pannen.neustartFaellig(strecke.gruen(), ms(jetzt))) {
            // Like a dip in the supply: a new board, its clock from zero.
            beginn = jetzt;
            platine.emplace(firmware);
            rueckstandVorDemNeustart = rueckstand;
            zeile(stdout, QStringLiteral("Neustart der Platine bei %1 s").arg(sekunden(jetzt)));
        }
        for (const Durchfahrt& d : strecke.bis(ms(ziel))) {
            durchfahren(*platine, d, beginn);
            zeile(stdout, QStringLiteral("Spur %1: Durchfahrt bei %2 s")
                              .arg(d.spur)
                              .arg(static_cast<double>(d.ms) / 1000, 0, 'f', 3));
        }
        platine->laufenBis(ziel - beginn);
        strom.verfolgen(*platine, beginn);
        std::vector<std::uint8_t> gesendet;
        for (const Simplatine::Byte& byte : platine->empfangen())
            gesendet.push_back(byte.wert);
        const std::uint64_t platinenzeit =
            (platine->zyklus() - platine->uhrStart()) / Simplatine::ZyklenProTick;
        const int zeitmeldungen = pannen.zeitmeldungen();
        std::vector<std::uint8_t> weiter = pannen.zumProgramm(gesendet);
        const std::uint64_t nun = beginn + platine->zyklus();
        if (pannen.zeitmeldungen() != zeitmeldungen) {
            rueckstand = echt.count() / 1000 - ms(nun);
            // The program's clock bridges the restart with the PC's count until this report.
            if (rueckstandVorDemNeustart)
                zeile(stdout, QStringLiteral("Erste Zeitmeldung nach dem Neustart: Rückstand auf "
                                             "die Echtzeit %1 ms, vorher %2 ms")
                                  .arg(rueckstand)
                                  .arg(*std::exchange(rueckstandVorDemNeustart, std::nullopt)));
        }
        const std::vector<std::uint8_t> falsch =
            pannen.falscheZeiten(strecke.gruen(), ms(nun), platinenzeit);
        if (!falsch.empty()) {
            weiter.insert(weiter.end(), falsch.begin(), falsch.end());
            zeile(stdout,
                  QStringLiteral("Zeiten eine Stunde voraus gesendet bei %1 s").arg(sekunden(nun)));
        }
        leitung->senden(weiter);
        std::vector<std::uint8_t> befehle = leitung->empfangen();
        if (pannen.zurPlatine(befehle))
            zeile(stdout, QStringLiteral("Ampelbefehl beschädigt bei %1 s").arg(sekunden(nun)));
        ampel.lesen(befehle, strecke, ms(nun));
        platine->senden(befehle);
    }
}
