#include "Verlaufsseiten.h"

#include "Zahlenformat.h"

using Zahlenformat::ZahlFormatieren;

QString rennartText(Rennart art) {
    switch (art) {
    case Rennart::Training: return QStringLiteral("Training");
    case Rennart::Spurwechsel: return QStringLiteral("Spurwechsel");
    case Rennart::Rennen: break;
    }
    return QStringLiteral("Rennen");
}

QString sekundenText(double wert) {
    return ZahlFormatieren(wert) + QStringLiteral(" s");
}

namespace {
QString ergebnisText(bool abgebrochen, const std::optional<QString>& sieger) {
    if (abgebrochen)
        return QStringLiteral("abgebrochen");
    return sieger ? *sieger : QStringLiteral("Unentschieden");
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
    z.modus = rennartText(k.art);
    z.fahrer = QStringList(k.fahrer.begin(), k.fahrer.end()).join(QStringLiteral(" – "));
    z.runden = QString::number(k.rundenzahl);
    z.sieger = ergebnisText(k.abgebrochen, k.sieger);
    if (k.besteZeit)
        z.besteRunde = sekundenText(*k.besteZeit) + QLatin1Char(' ') + k.besterFahrer;
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
    if (!r.laeufe.empty())
        k.fahrer = Spuren<QString>::fuer(r.spurenzahl());
    for (std::size_t lauf = 0; lauf < r.laeufe.size(); ++lauf)
        for (int spur = 1; spur <= r.laeufe[lauf].anzahl(); ++spur) {
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
        a.angaben << QStringLiteral("Beste Runde: ") + sekundenText(b.besteRunde->wert) +
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
