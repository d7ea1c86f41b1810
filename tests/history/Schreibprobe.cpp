// Stores races into the race database one after another, as a racing program would, and
// prints the number of each race once it is stored. The tests kill it at random moments
// or run two at once. Usage: verlauf-schreibprobe DATEI ANZAHL (0: until killed)
#include "Verlaufsspeicher.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    Verlaufsdatenbank db(QString::fromLocal8Bit(argv[1]));
    if (!db.vorbereiten().beschreibbar)
        return 1;
    const long anzahl = std::strtol(argv[2], nullptr, 10);
    Verlaufsspeicher speicher(db);
    QTextStream aus(stdout);
    for (long n = 1; anzahl == 0 || n <= anzahl; ++n) {
        // 100 laps a lane: a race takes long enough to be killed in the middle.
        Rennaufzeichnung r;
        r.beginn = QDateTime::currentDateTime();
        r.rundenzahl = 100;
        r.kurslaenge = 5;
        Spuren<Spurfahrt> lauf;
        for (int spur = 1; spur <= 2; ++spur) {
            lauf[spur].fahrer = QStringLiteral("Probe %1").arg(spur);
            for (int i = 0; i < r.rundenzahl; ++i)
                lauf[spur].runden.push_back({2.0 + i * 0.001, 2.5, false});
        }
        r.laeufe.push_back(lauf);
        if (const std::optional<Datenbankfehler> fehler = speicher.speichern(r)) {
            QTextStream(stderr) << fehler->text << '\n';
            return 1;
        }
        aus << n << Qt::endl;
    }
    return 0;
}
