#include "Prellzeiturteil.h"

#include "Zahlenformat.h"

namespace {

// The largest (or smallest) of a value over every lane, with its lane.
struct Befund {
    std::int64_t ms = 0;
    int spur = 0;
};

template <typename Lesen>
std::optional<Befund> auswahl(const Spuren<Sensorspur>& spuren, Lesen lesen, bool groesster) {
    std::optional<Befund> befund;
    for (int spur = 1; spur <= spuren.anzahl(); ++spur) {
        const std::optional<std::int64_t> wert = lesen(spuren[spur]);
        if (wert && (!befund || (groesster ? *wert > befund->ms : *wert < befund->ms)))
            befund = Befund{*wert, spur};
    }
    return befund;
}

QString sekunden(std::int64_t ms) {
    return Zahlenformat::ZahlFormatieren(static_cast<double>(ms) / 1000) + QStringLiteral(" s");
}

QString aufSpur(const Befund& b) {
    return QStringLiteral(" auf Spur ") + QString::number(b.spur);
}

} // namespace

Prellzeiturteil prellzeitUrteilen(double prellzeit, const Spuren<Sensorspur>& spuren) {
    const std::optional<Befund> prellen = auswahl(
        spuren, [](const Sensorspur& s) { return s.laengstesPrellen(); }, true);
    const std::optional<Befund> runde = auswahl(
        spuren, [](const Sensorspur& s) { return s.kuerzesteRunde(); }, false);
    const QString p = QStringLiteral("Die Prellzeit von ") + Zahlenformat::allgemein(prellzeit) +
                      QStringLiteral(" s ");
    const double ms = prellzeit * 1000;

    // A bounce as long as the debounce time already counts again.
    if (prellen && prellen->ms >= ms)
        return {Urteilsart::Unsicher,
                p + QStringLiteral("ist zu kurz: ein Sensor prellte ") + sekunden(prellen->ms) +
                    QStringLiteral(" lang") + aufSpur(*prellen) +
                    QStringLiteral(", eine Durchfahrt würde mehrfach gezählt.")};
    if (runde && runde->ms <= ms)
        return {Urteilsart::Unsicher,
                p + QStringLiteral("ist zu lang: die kürzeste Runde dauerte ") +
                    sekunden(runde->ms) + aufSpur(*runde) +
                    QStringLiteral(", so schnelle Runden würden nicht gezählt.")};
    const QString prellText = prellen ? QStringLiteral("länger als jedes Prellen (höchstens ") +
                                            sekunden(prellen->ms) + aufSpur(*prellen) +
                                            QStringLiteral(")")
                                      : QStringLiteral("länger als jedes Prellen (bisher keins)");
    if (!runde)
        return {Urteilsart::Offen,
                p + QStringLiteral("ist ") + prellText +
                    QStringLiteral("; für den Vergleich mit der kürzesten Runde fehlt noch eine "
                                   "ganze Runde. Lassen Sie auf jeder Spur ein paar Runden "
                                   "fahren.")};
    return {Urteilsart::Sicher, p + QStringLiteral("ist sicher: ") + prellText +
                                    QStringLiteral(" und kürzer als die kürzeste Runde (") +
                                    sekunden(runde->ms) + aufSpur(*runde) + QStringLiteral(").")};
}
