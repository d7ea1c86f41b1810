#include "Neubewertung.h"

#include "Nachrechnung.h"
#include "Verlaufsmeldungen.h"
#include "Zahlenformat.h"

std::optional<Neubewertung> neuBewerten(Dialoge& dialoge, const Rennaufzeichnung& gezeigt) {
    if (!gezeigt.mitRohsignalen()) {
        dialoge.meldung(QStringLiteral("Von diesem Rennen sind keine Sensorsignale "
                                       "gespeichert (es ist älter, oder die Runden kamen von "
                                       "der Tastatur): neu bewerten geht nicht, korrigieren "
                                       "(K) schon."),
                        Verlaufstitel);
        return std::nullopt;
    }
    const QString text = dialoge.eingabe(
        QStringLiteral("Mit welcher Prellzeit in Sekunden soll das Rennen neu bewertet werden?"),
        Verlaufstitel, Zahlenformat::allgemein(gezeigt.prellzeit));
    if (text.trimmed().isEmpty())
        return std::nullopt;
    // Below a tenth of a second every contact bounce would be a lap of its own.
    constexpr double KleinstePrellzeit = 0.1;
    constexpr double GroesstePrellzeit = 60;
    const std::optional<double> prellzeit = Zahlenformat::zahlLesen(text.trimmed());
    if (!prellzeit || *prellzeit < KleinstePrellzeit || *prellzeit > GroesstePrellzeit) {
        dialoge.meldung(QStringLiteral("„%1“ ist keine Prellzeit zwischen %2 und %3 Sekunden.")
                            .arg(text, Zahlenformat::allgemein(KleinstePrellzeit),
                                 Zahlenformat::allgemein(GroesstePrellzeit)),
                        Verlaufstitel);
        return std::nullopt;
    }
    Neubewertung neu{*prellzeit, Nachrechnung(gezeigt, *prellzeit).ergebnis()};
    if (neu.rennen.laeufe.empty()) {
        dialoge.meldung(QStringLiteral("Mit dieser Prellzeit bliebe keine Runde übrig."),
                        Verlaufstitel);
        return std::nullopt;
    }
    return neu;
}
