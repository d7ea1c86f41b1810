#include "Verlaufsseiten.h"

#include "Zahlenformat.h"

using Zahlenformat::ZahlFormatieren;

namespace {
QString artName(Rennart art) {
    switch (art) {
    case Rennart::Training: return QStringLiteral("Training");
    case Rennart::Spurwechsel: return QStringLiteral("Spurwechsel");
    case Rennart::Rennen: break;
    }
    return QStringLiteral("Rennen");
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

QString sekunden(double wert) {
    return ZahlFormatieren(wert) + QStringLiteral(" s");
}

QString ergebnisText(bool abgebrochen, const std::optional<QString>& sieger) {
    if (abgebrochen)
        return QStringLiteral("abgebrochen");
    return sieger ? *sieger : QStringLiteral("Unentschieden");
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
        teile << QStringLiteral("Gesamt ") + sekunden(*f.gesamtzeit);
    else
        teile << QStringLiteral("nicht im Ziel");
    if (f.schnitt)
        teile << QStringLiteral("Schnitt ") + ZahlFormatieren(*f.schnitt) + QStringLiteral(" m/s");
    if (const std::optional<int> beste = f.besteRunde())
        teile << QStringLiteral("beste Runde ") + sekunden(f.runden[std::size_t(*beste - 1)].zeit) +
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
// drivers apart give way to the chart's own, or in two heats to a pair of its own.
std::optional<Farbe> fahrerfarbe(const Rennaufzeichnung& r, std::size_t lauf, int spur) {
    const Spuren<Spurfahrt>& erster = r.laeufe.front();
    const int ersteSpur = lauf == 0 ? spur : andereSpur(spur);
    if (erster[1].farbe != erster[2].farbe)
        return erster[ersteSpur].farbe;
    if (r.laeufe.size() > 1)
        return Ersatzfarben[ersteSpur];
    return std::nullopt;
}
} // namespace

QString datumText(const QString& iso) {
    if (iso.size() < 16)
        return iso;
    return iso.mid(8, 2) + QLatin1Char('.') + iso.mid(5, 2) + QLatin1Char('.') + iso.left(4) +
           QLatin1Char(' ') + iso.mid(11, 5);
}

Rennzeile rennzeile(const Rennkopf& k) {
    Rennzeile z;
    z.nummer = k.nummer;
    z.datum = datumText(k.beginn);
    z.modus = artName(k.art);
    z.fahrer = k.fahrer[1] + QStringLiteral(" – ") + k.fahrer[2];
    z.runden = QString::number(k.rundenzahl);
    z.sieger = ergebnisText(k.abgebrochen, k.sieger);
    if (k.besteZeit)
        z.besteRunde = sekunden(*k.besteZeit) + QLatin1Char(' ') + k.besterFahrer;
    z.namen = k.fahrer;
    return z;
}

Rennzeile wartendeZeile(qint64 nummer, const Rennaufzeichnung& r) {
    Rennkopf k;
    k.nummer = nummer;
    k.beginn = beginnText(r.beginn);
    k.art = r.art;
    k.rundenzahl = r.rundenzahl;
    k.abgebrochen = r.abgebrochen;
    k.sieger = r.sieger;
    for (std::size_t lauf = 0; lauf < r.laeufe.size(); ++lauf)
        for (int spur = 1; spur <= 2; ++spur) {
            const Spurfahrt& f = r.laeufe[lauf][spur];
            if (lauf == 0)
                k.fahrer[spur] = f.fahrer;
            const std::optional<int> beste = f.besteRunde();
            const double zeit = beste ? f.runden[std::size_t(*beste - 1)].zeit : 0;
            if (beste && (!k.besteZeit || zeit < *k.besteZeit)) {
                k.besteZeit = zeit;
                k.besterFahrer = f.fahrer;
            }
        }
    Rennzeile z = rennzeile(k);
    z.wartet = true;
    return z;
}

void rennseiteFuellen(VerlaufAnsicht& a, std::optional<qint64> nummer, const Rennaufzeichnung& r) {
    a.ueberschrift = (nummer ? QStringLiteral("Rennen %1 vom ").arg(*nummer)
                             : QStringLiteral("Wartendes Rennen vom ")) +
                     datumText(beginnText(r.beginn));
    a.angaben = {artName(r.art) + QStringLiteral(" über %1 Runden à ").arg(r.rundenzahl) +
                     Zahlenformat::allgemein(r.kurslaenge) + QStringLiteral(" m, Prellzeit ") +
                     Zahlenformat::allgemein(r.prellzeit) + QStringLiteral(" s, Signale: ") +
                     quellenName(r.quelle),
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
        for (int spur = 1; spur <= 2; ++spur) {
            const Spurfahrt& f = r.laeufe[lauf][spur];
            const QString wo = zweiLaeufe
                                   ? QStringLiteral("Lauf %1, Spur %2").arg(lauf + 1).arg(spur)
                                   : QStringLiteral("Spur %1").arg(spur);
            a.angaben << wo + QStringLiteral(" – ") + f.fahrer + QStringLiteral(": ") +
                             fahrtText(f, r.originalfahrt(lauf, spur));
            // Heat and lane first: the chart's legend cuts a long entry at its end.
            Kurve k = rundenkurve(f, wo + QStringLiteral(": ") + f.fahrer);
            k.farbe = fahrerfarbe(r, lauf, spur);
            k.gestrichelt = lauf > 0;
            a.diagramm.kurven.push_back(std::move(k));
        }
}

void fahrerseiteFuellen(VerlaufAnsicht& a, const Fahrerbilanz& b) {
    a.ueberschrift = b.name;
    a.angaben = {QStringLiteral("Rennen: %1").arg(b.rennen) +
                     (b.abgebrochen ? QStringLiteral(" (davon %1 abgebrochen)").arg(b.abgebrochen)
                                    : QString()),
                 QStringLiteral("Siege: %1").arg(b.siege)};
    const auto wann = [](const Bestleistung& l) {
        return QStringLiteral(" am ") + datumText(l.beginn).left(10) +
               QStringLiteral(" im Rennen %1").arg(l.rennen);
    };
    if (b.besteRunde)
        a.angaben << QStringLiteral("Beste Runde: ") + sekunden(b.besteRunde->wert) +
                         wann(*b.besteRunde);
    if (b.besterSchnitt)
        a.angaben << QStringLiteral("Bester Schnitt: ") + ZahlFormatieren(b.besterSchnitt->wert) +
                         QStringLiteral(" m/s") + wann(*b.besterSchnitt);
    Kurve tage;
    tage.name = QStringLiteral("Beste Runde");
    for (const auto& [tag, zeit] : b.tagesbestzeiten)
        tage.punkte.emplace_back(double(tag.startOfDay().toMSecsSinceEpoch()), zeit);
    a.diagramm = {QStringLiteral("Beste Runde je Tag"),
                  QStringLiteral("Tag"),
                  QStringLiteral("Zeit (s)"),
                  true,
                  {std::move(tage)}};
}
