#include "Rennseite.h"

#include "Korrektur.h"
#include "Neubewertung.h"
#include "Straftext.h"
#include "Verlaufsseiten.h"
#include "Zahlenformat.h"

using Zahlenformat::ZahlFormatieren;

namespace {
// "Lauf 2, Spur 1", or "Spur 1" in a race of one heat.
QString ort(std::size_t lauf, int spur, bool zweiLaeufe) {
    return zweiLaeufe ? QStringLiteral("Lauf %1, Spur %2").arg(lauf + 1).arg(spur)
                      : QStringLiteral("Spur %1").arg(spur);
}

QString quellenName(Signalquelle quelle) {
    switch (quelle) {
    case Signalquelle::Box: return QStringLiteral("Zeitnahme-Box");
    case Signalquelle::Tastatur: return QStringLiteral("Tastatur");
    case Signalquelle::Simulation: return QStringLiteral("Simulation");
    case Signalquelle::Platine: return QStringLiteral("Sensorplatine");
    case Signalquelle::Sensoren: break;
    }
    return QStringLiteral("Sensoren");
}

// "doppelt? Runde 4, 9": the laps with this hint, the first few of them; empty for none.
QString verdaechtigeRunden(const Spurfahrt& f, const Spurfahrt* original, Rundenhinweis art) {
    constexpr int Hoechstens = 8;
    const std::vector<Rundenhinweis> hinweise = f.hinweise(original);
    QStringList runden;
    int anzahl = 0;
    for (std::size_t i = 0; i < hinweise.size(); ++i)
        if (hinweise[i] == art && ++anzahl <= Hoechstens)
            runden << QString::number(i + 1);
    if (anzahl == 0)
        return {};
    QString text = hinweistext(art) +
                   (anzahl == 1 ? QStringLiteral(" Runde ") : QStringLiteral(" Runden ")) +
                   runden.join(QStringLiteral(", "));
    if (anzahl > Hoechstens)
        text += QStringLiteral(" und %1 weitere").arg(anzahl - Hoechstens);
    return text;
}

// One lane of one heat: its figures and its line on the chart.
QString fahrtText(const Spurfahrt& f, const Spurfahrt* original) {
    QStringList teile;
    if (f.gesamtzeit)
        teile << QStringLiteral("Gesamt ") + sekundenText(*f.gesamtzeit);
    else
        teile << QStringLiteral("nicht im Ziel");
    if (f.schnitt)
        teile << QStringLiteral("Schnitt ") + ZahlFormatieren(*f.schnitt) + QStringLiteral(" m/s");
    if (const std::optional<int> beste = f.besteRunde())
        teile << QStringLiteral("beste Runde ") +
                     sekundenText(f.runden[std::size_t(*beste - 1)].zeit) +
                     QStringLiteral(" (Runde %1)").arg(*beste);
    const auto hand = std::count_if(f.runden.begin(), f.runden.end(),
                                    [](const Rundeneintrag& r) { return r.vonHand; });
    if (hand == 1)
        teile << QStringLiteral("1 Runde von Hand");
    else if (hand > 1)
        teile << QStringLiteral("%1 Runden von Hand").arg(hand);
    for (Rundenhinweis art :
         {Rundenhinweis::Doppelt, Rundenhinweis::Verpasst, Rundenhinweis::Korrigiert}) {
        const QString hinweise = verdaechtigeRunden(f, original, art);
        if (!hinweise.isEmpty())
            teile << hinweise;
    }
    return teile.join(QStringLiteral(", "));
}

Kurve rundenkurve(const Spurfahrt& f, const QString& name) {
    Kurve k;
    k.name = name;
    const std::optional<int> beste = f.besteRunde();
    const std::vector<Rundenhinweis> hinweise = f.hinweise();
    for (std::size_t i = 0; i < f.runden.size(); ++i) {
        const QPointF punkt(double(i + 1), f.runden[i].zeit);
        k.punkte.push_back(punkt);
        if (hinweise[i] == Rundenhinweis::Doppelt)
            k.doppelt.push_back(punkt);
        else if (hinweise[i] == Rundenhinweis::Verpasst)
            k.verpasst.push_back(punkt);
        if (beste && std::size_t(*beste) == i + 1)
            k.bestzeiten.push_back(punkt);
        if (f.runden[i].vonHand)
            k.handrunden.push_back(punkt);
    }
    return k;
}

// Light blue and orange on the chart's dark ground, for two drivers of the same colour
// whose lines must pair up across the heats.
const Spuren<Farbe> Ersatzfarben{0xFFC040u, 0x30A0FFu};

// A driver's lines are drawn in the colour the first heat gave them, in the second heat of
// a lane-change race too, where the lanes have changed. Colours that do not tell the
// drivers apart give way to the chart's own, or in two heats to a pair of its own. On a
// track of more lanes each line has its lane's colour, unless another lane has it too.
std::optional<Farbe> fahrerfarbe(const Rennaufzeichnung& r, std::size_t lauf, int spur) {
    if (r.spurenzahl() > KleinsteSpurenzahl) {
        const Spuren<Spurfahrt>& fahrten = r.laeufe[lauf];
        const Farbe farbe = fahrten[spur].farbe;
        const bool geteilt = std::count_if(fahrten.begin(), fahrten.end(), [&](const Spurfahrt& f) {
                                 return f.farbe == farbe;
                             }) > 1;
        return geteilt ? std::nullopt : std::optional<Farbe>(farbe);
    }
    const Spuren<Spurfahrt>& erster = r.laeufe.front();
    const int ersteSpur = lauf == 0 ? spur : andereSpur(spur);
    if (erster[1].farbe != erster[2].farbe)
        return erster[ersteSpur].farbe;
    if (r.laeufe.size() > 1)
        return Ersatzfarben[ersteSpur];
    return std::nullopt;
}
// "4,012 4,1 8,2 …": a lane's laps in a line, the first of them.
QString rundenzeile(const Spurfahrt& f) {
    constexpr std::size_t Hoechstens = 12;
    QStringList zeiten;
    for (std::size_t i = 0; i < f.runden.size() && i < Hoechstens; ++i)
        zeiten << ZahlFormatieren(f.runden[i].zeit);
    if (f.runden.size() > Hoechstens)
        zeiten << QStringLiteral("…");
    return QStringLiteral("%1 Runden: ").arg(f.runden.size()) + zeiten.join(QLatin1Char(' '));
}

QString ergebniszeile(const Rennaufzeichnung& r) {
    if (r.abgebrochen)
        return QStringLiteral("nicht beendet");
    return r.sieger ? QStringLiteral("Sieger ") + *r.sieger : QStringLiteral("Unentschieden");
}

// The race's penalties and track calls, each a small table under its heading; nothing for a
// race without them.
QStringList rennleitung(const Rennaufzeichnung& r) {
    const bool zweiLaeufe = r.laeufe.size() > 1;
    QStringList zeilen;
    if (!r.strafen.empty())
        zeilen << QStringLiteral("Strafen");
    for (const Strafe& s : r.strafen)
        zeilen << QStringLiteral("    ") + ort(std::size_t(s.lauf), s.spur, zweiLaeufe) +
                      QStringLiteral(" – ") + r.laeufe[std::size_t(s.lauf)][s.spur].fahrer +
                      QStringLiteral(": ") + straftext(s) + QStringLiteral(" (bei ") +
                      sekundenText(s.rennzeit) + QStringLiteral(")");
    if (!r.streckenrufe.empty())
        zeilen << QStringLiteral("Streckenrufe");
    for (const Streckenruf& ruf : r.streckenrufe)
        zeilen << QStringLiteral("    ") +
                      (zweiLaeufe ? QStringLiteral("Lauf %1: ").arg(ruf.lauf + 1) : QString()) +
                      sekundenText(ruf.beginn) +
                      (ruf.ende ? QStringLiteral(" bis ") + sekundenText(*ruf.ende) : QString()) +
                      (ruf.ursache == Streckenrufursache::Automatisch
                           ? QStringLiteral(", automatisch")
                           : QStringLiteral(", von Hand"));
    return zeilen;
}

// The race judged again, beside the race as it stands: the outcome, then lane by lane.
QStringList vergleich(const Rennaufzeichnung& r, const Neubewertung& n) {
    const QString mit = QStringLiteral("mit Prellzeit ") + Zahlenformat::allgemein(n.prellzeit) +
                        QStringLiteral(" s");
    const QString bisher =
        QStringLiteral("bisher (") + Zahlenformat::allgemein(r.prellzeit) + QStringLiteral(" s)");
    QStringList zeilen{QStringLiteral("Neu bewertet ") + mit + QStringLiteral(": ") +
                       ergebniszeile(n.rennen) + QStringLiteral(", ") + bisher +
                       QStringLiteral(": ") + ergebniszeile(r)};
    for (std::size_t lauf = 0; lauf < r.laeufe.size(); ++lauf)
        for (int spur = 1; spur <= r.laeufe[lauf].anzahl(); ++spur) {
            const QString wo = ort(lauf, spur, r.laeufe.size() > 1);
            zeilen << wo + QStringLiteral(" ") + bisher + QStringLiteral(" ") +
                          rundenzeile(r.laeufe[lauf][spur]);
            if (lauf < n.rennen.laeufe.size() && spur <= n.rennen.laeufe[lauf].anzahl())
                zeilen << wo + QStringLiteral(" ") + mit + QStringLiteral(": ") +
                              rundenzeile(n.rennen.laeufe[lauf][spur]);
        }
    return zeilen;
}
} // namespace

void rennseiteFuellen(VerlaufAnsicht& a, const Rennseite& s) {
    const Rennaufzeichnung& r = s.rennen;
    a.ueberschrift = (s.nummer ? QStringLiteral("Rennen %1 vom ").arg(*s.nummer)
                               : QStringLiteral("Wartendes Rennen vom ")) +
                     datumText(beginnText(r.beginn));
    a.angaben = {
        rennartText(r.art) + QStringLiteral(" über %1 Runden à ").arg(r.rundenzahl) +
            Zahlenformat::allgemein(r.kurslaenge) + QStringLiteral(" m, Prellzeit ") +
            Zahlenformat::allgemein(r.prellzeit) + QStringLiteral(" s, Signale: ") +
            quellenName(r.quelle) +
            (r.nachSiegerBeenden ? QStringLiteral(", Regel „Nach dem Sieger“") : QString()),
        (r.abgebrochen ? QStringLiteral("Abgebrochen")
                       : (r.sieger ? QStringLiteral("Sieger: ") + *r.sieger
                                   : QStringLiteral("Unentschieden"))) +
            (r.korrigiert() ? QStringLiteral(" – korrigiert, das Original ist gespeichert")
                            : QString())};
    a.diagramm = {QStringLiteral("Rundenzeiten"),
                  QStringLiteral("Runde"),
                  QStringLiteral("Zeit (s)"),
                  false,
                  {}};
    const bool zweiLaeufe = r.laeufe.size() > 1;
    for (std::size_t lauf = 0; lauf < r.laeufe.size(); ++lauf)
        for (int spur = 1; spur <= r.laeufe[lauf].anzahl(); ++spur) {
            const Spurfahrt& f = r.laeufe[lauf][spur];
            const QString wo = ort(lauf, spur, zweiLaeufe);
            // Nobody drove on a free lane: it has neither figures nor a line.
            if (r.spurFrei(spur)) {
                a.angaben << wo + QStringLiteral(": frei");
                continue;
            }
            a.angaben << wo + QStringLiteral(" – ") + f.fahrer + QStringLiteral(": ") +
                             fahrtText(f, r.originalfahrt(lauf, spur));
            // Heat and lane first: the chart's legend cuts a long entry at its end.
            Kurve k = rundenkurve(f, wo + QStringLiteral(": ") + f.fahrer);
            k.farbe = fahrerfarbe(r, lauf, spur);
            k.gestrichelt = lauf > 0;
            a.diagramm.kurven.push_back(std::move(k));
        }
    a.angaben << rennleitung(r);
    if (s.korrektur)
        a.angaben << s.korrektur->zeilen();
    if (s.neuBewertung)
        a.angaben << vergleich(r, *s.neuBewertung);
}
