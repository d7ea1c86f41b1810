// rundomat-box-emulator: a timing box on a serial device or a pseudo-terminal, for trying
// the program's box mode without the box. Prints the line's path first, then each passage.
#include "Boxsimulation.h"
#include "Leitung.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <deque>
#include <thread>

namespace {

std::optional<Simulationsparameter> parameterLesen(const QCommandLineParser& befehl,
                                                   QString& fehler) {
    Simulationsparameter p;
    bool ok = true;
    p.rundenzeit = befehl.value(QStringLiteral("lap")).toDouble(&ok);
    if (!ok || !(p.rundenzeit >= 0.1 && p.rundenzeit <= 3600)) {
        fehler = QStringLiteral("--lap: eine Rundenzeit zwischen 0.1 und 3600 Sekunden");
        return std::nullopt;
    }
    p.seed = befehl.value(QStringLiteral("seed")).toUInt(&ok);
    if (!ok) {
        fehler = QStringLiteral("--seed: eine ganze Zahl ab 0");
        return std::nullopt;
    }
    p.uhrStart = befehl.value(QStringLiteral("clock-start")).toUInt(&ok);
    if (!ok) {
        fehler = QStringLiteral("--clock-start: ein Stand der Boxuhr von 0 bis 4294967295");
        return std::nullopt;
    }
    if (befehl.isSet(QStringLiteral("error-after"))) {
        p.fehlerNach = befehl.value(QStringLiteral("error-after")).toDouble(&ok);
        if (!ok || *p.fehlerNach < 0) {
            fehler = QStringLiteral("--error-after: Sekunden ab 0");
            return std::nullopt;
        }
    }
    p.stoerungen = befehl.isSet(QStringLiteral("noise"));
    return p;
}

void zeile(std::FILE* ausgabe, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), ausgabe);
    std::fputc('\n', ausgabe);
    std::fflush(ausgabe);
}

QString ereignistext(const Boxprotokoll::Ereignisrahmen& e) {
    if (e.code == 0x202 || e.code == 0x203)
        return QStringLiteral("Spur %1: Durchfahrt, Boxzeit %2")
            .arg(e.code - 0x201)
            .arg(e.zeitstempel);
    return QStringLiteral("Fehler 0x%1, Boxzeit %2").arg(e.code, 0, 16).arg(e.zeitstempel);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCommandLineParser befehl;
    befehl.setApplicationDescription(
        QStringLiteral("Emuliert die Zeitnahmebox: sendet ihr Protokoll auf einer seriellen "
                       "Schnittstelle oder einem neuen Pseudoterminal, dessen Pfad die erste "
                       "Ausgabezeile ist. Die Autos fahren ab dem Start des Emulators."));
    befehl.addHelpOption();
    befehl.addOptions({
        {QStringLiteral("device"), QStringLiteral("Serielle Schnittstelle statt Pseudoterminal."),
         QStringLiteral("PFAD")},
        {QStringLiteral("lap"), QStringLiteral("Mittlere Rundenzeit in Sekunden (Vorgabe 5)."),
         QStringLiteral("SEKUNDEN"), QStringLiteral("5")},
        {QStringLiteral("seed"), QStringLiteral("Startwert des Zufalls (Vorgabe 1)."),
         QStringLiteral("ZAHL"), QStringLiteral("1")},
        {QStringLiteral("clock-start"),
         QStringLiteral("Stand der Boxuhr beim Einschalten, z. B. kurz vor ihrem Überlauf."),
         QStringLiteral("TICKS"), QStringLiteral("0")},
        {QStringLiteral("error-after"),
         QStringLiteral("Meldet nach so vielen Sekunden einen Sensorfehler (0x501)."),
         QStringLiteral("SEKUNDEN")},
        {QStringLiteral("noise"), QStringLiteral("Streut ab und zu Störbytes ein.")},
    });
    befehl.process(app);

    QString fehler;
    const std::optional<Simulationsparameter> parameter = parameterLesen(befehl, fehler);
    if (!parameter) {
        zeile(stderr, fehler);
        return 2;
    }
    const QString geraet = befehl.value(QStringLiteral("device"));
    std::optional<Leitung> leitung =
        geraet.isEmpty() ? Leitung::pseudoterminal() : Leitung::geraet(geraet.toStdString());
    if (!leitung) {
        zeile(stderr, QStringLiteral("Die Leitung %1 lässt sich nicht öffnen.")
                          .arg(geraet.isEmpty() ? QStringLiteral("(Pseudoterminal)") : geraet));
        return 1;
    }
    zeile(stdout, QString::fromStdString(leitung->pfad()));

    Boxsimulation box(*parameter);
    const auto start = std::chrono::steady_clock::now();
    // Whoever shares the machine's monotonic clock can tell the box clock at any moment.
    zeile(stdout,
          QStringLiteral("Boxuhr %1 bei Monotonzeit %2 ns")
              .arg(parameter->uhrStart)
              .arg(std::chrono::duration_cast<std::chrono::nanoseconds>(start.time_since_epoch())
                       .count()));
    const auto zeitpunkt = [start](double sekunden) {
        return start + std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                           std::chrono::duration<double>(sekunden));
    };
    std::deque<Sendung> unterwegs;
    for (;;) {
        const std::chrono::duration<double> seit = std::chrono::steady_clock::now() - start;
        for (Sendung& sendung : box.bis(seit.count())) {
            // Logged before it arrives, so the log holds everything a reader may have seen.
            if (sendung.ereignis)
                zeile(stdout, ereignistext(*sendung.ereignis));
            unterwegs.push_back(std::move(sendung));
        }
        // Each frame reaches the far end when its last byte would have crossed the line.
        while (!unterwegs.empty() && unterwegs.front().ankunft <= seit.count()) {
            leitung->senden(unterwegs.front().bytes);
            unterwegs.pop_front();
        }
        const double weiter = seit.count() + 0.005;
        std::this_thread::sleep_until(
            zeitpunkt(unterwegs.empty() ? weiter : std::min(weiter, unterwegs.front().ankunft)));
    }
}
