#include "Rennjson.h"

#include <QJsonArray>
#include <QLocale>
#include <cmath>
#include <limits>

namespace {

// JSON text of a string: quotes, backslashes and control characters escaped.
QByteArray jsonText(const QString& text) {
    QByteArray aus = "\"";
    for (const char c : text.toUtf8()) {
        if (c == '"' || c == '\\') {
            aus += '\\';
            aus += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            aus += QStringLiteral("\\u%1").arg(int(c), 4, 16, QLatin1Char('0')).toLatin1();
        } else {
            aus += c;
        }
    }
    return aus + '"';
}

QByteArray jsonZahl(double wert) {
    if (!std::isfinite(wert))
        return "null";
    return QByteArray::number(wert, 'g', QLocale::FloatingPointShortest);
}

QByteArray jsonZahl(const std::optional<double>& wert) {
    return wert ? jsonZahl(*wert) : QByteArray("null");
}

QByteArray jsonFarbe(Farbe farbe) {
    // Stored as 0x00BBGGRR; written as the web's #RRGGBB.
    return QStringLiteral("\"#%1%2%3\"")
        .arg(farbe & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((farbe >> 8) & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((farbe >> 16) & 0xFF, 2, 16, QLatin1Char('0'))
        .toUpper()
        .toLatin1();
}

QByteArray spurAlsJson(int spur, const Spurfahrt& f, const Spurfahrt* original) {
    const std::optional<int> beste = f.besteRunde();
    QByteArray a =
        "{\"spur\": " + QByteArray::number(spur) + ", \"fahrer\": " + jsonText(f.fahrer) +
        ", \"farbe\": " + jsonFarbe(f.farbe) + ", \"gesamtzeit\": " + jsonZahl(f.gesamtzeit) +
        ", \"schnitt\": " + jsonZahl(f.schnitt) + ", \"distanz\": " + jsonZahl(f.distanz) +
        ", \"bestrunde\": " + (beste ? QByteArray::number(*beste) : QByteArray("null")) +
        ", \"runden\": [";
    const std::vector<Rundenhinweis> hinweise = f.hinweise(original);
    for (std::size_t i = 0; i < f.runden.size(); ++i) {
        const QString hinweis = hinweistext(hinweise[i]);
        a += (i ? ", " : "") + QByteArray("{\"runde\": ") + QByteArray::number(i + 1) +
             ", \"zeit\": " + jsonZahl(f.runden[i].zeit) +
             ", \"geschwindigkeit\": " + jsonZahl(f.runden[i].geschwindigkeit) +
             ", \"handrunde\": " + (f.runden[i].vonHand ? "true" : "false") +
             ", \"hinweis\": " + (hinweis.isEmpty() ? QByteArray("null") : jsonText(hinweis)) + "}";
    }
    return a + "]}";
}

// korrigiert: the race whose heats these are, to mark the laps its correction made.
QByteArray laeufeAlsJson(const std::vector<Spuren<Spurfahrt>>& laeufe,
                         const Rennaufzeichnung* korrigiert) {
    QByteArray a;
    for (std::size_t lauf = 0; lauf < laeufe.size(); ++lauf) {
        a += (lauf ? ", " : "") + QByteArray("{\"lauf\": ") + QByteArray::number(lauf + 1) +
             ", \"spuren\": [";
        for (int spur = 1; spur <= laeufe[lauf].anzahl(); ++spur)
            a += (spur > 1 ? ", " : "") +
                 spurAlsJson(spur, laeufe[lauf][spur],
                             korrigiert ? korrigiert->originalfahrt(lauf, spur) : nullptr);
        a += "]}";
    }
    return a;
}

// Heats from 1, as "laeufe" numbers them; times in seconds of race time.
QByteArray rennleitungAlsJson(const Rennaufzeichnung& r) {
    QByteArray a = ", \"strafen\": [";
    for (std::size_t i = 0; i < r.strafen.size(); ++i) {
        const Strafe& s = r.strafen[i];
        a += (i ? ", " : "") + QByteArray("{\"lauf\": ") + QByteArray::number(s.lauf + 1) +
             ", \"spur\": " + QByteArray::number(s.spur) +
             ", \"art\": " + jsonText(strafartText(s.art)) + ", \"wert\": " + jsonZahl(s.wert) +
             ", \"rennzeit\": " + jsonZahl(s.rennzeit) + ", \"grund\": " + jsonText(s.grund) +
             "}";
    }
    a += "], \"streckenrufe\": [";
    for (std::size_t i = 0; i < r.streckenrufe.size(); ++i) {
        const Streckenruf& ruf = r.streckenrufe[i];
        a += (i ? ", " : "") + QByteArray("{\"lauf\": ") + QByteArray::number(ruf.lauf + 1) +
             ", \"beginn\": " + jsonZahl(ruf.beginn) + ", \"ende\": " + jsonZahl(ruf.ende) +
             ", \"ursache\": " + jsonText(streckenrufursacheName(ruf.ursache)) + "}";
    }
    return a + "]";
}

// A finite number; JSON's null and a number too large for a double are none.
std::optional<double> endlicheZahl(const QJsonValue& wert) {
    if (!wert.isDouble() || !std::isfinite(wert.toDouble()))
        return std::nullopt;
    return wert.toDouble();
}

// An entry of a heat or lane the race did not have, or of a kind no program wrote, is none
// of its own and is left out.
void rennleitungAusJson(const QJsonObject& o, Rennaufzeichnung& r) {
    const auto lauf = [&](const QJsonObject& eintrag) -> std::optional<int> {
        const QJsonValue wert = eintrag[QStringLiteral("lauf")];
        const int nummer = wert.toInt();
        if (!wert.isDouble() || wert.toDouble() != nummer || nummer < 1 ||
            std::size_t(nummer) > r.laeufe.size())
            return std::nullopt;
        return nummer - 1;
    };
    for (const QJsonValue& wert : o[QStringLiteral("strafen")].toArray()) {
        const QJsonObject s = wert.toObject();
        const std::optional<int> nummer = lauf(s);
        const QJsonValue spur = s[QStringLiteral("spur")];
        const std::optional<Strafart> art = strafartAusText(s[QStringLiteral("art")].toString());
        const std::optional<double> strafwert = endlicheZahl(s[QStringLiteral("wert")]);
        const std::optional<double> rennzeit = endlicheZahl(s[QStringLiteral("rennzeit")]);
        if (!nummer || !spur.isDouble() || spur.toDouble() != spur.toInt() || spur.toInt() < 1 ||
            spur.toInt() > r.spurenzahl() || !art || !strafwert || !rennzeit ||
            !s[QStringLiteral("grund")].isString())
            continue;
        r.strafen.push_back({*nummer, spur.toInt(), *art, *strafwert, *rennzeit,
                             s[QStringLiteral("grund")].toString()});
    }
    for (const QJsonValue& wert : o[QStringLiteral("streckenrufe")].toArray()) {
        const QJsonObject ruf = wert.toObject();
        const std::optional<int> nummer = lauf(ruf);
        const std::optional<double> beginn = endlicheZahl(ruf[QStringLiteral("beginn")]);
        const std::optional<Streckenrufursache> ursache =
            streckenrufursacheLesen(ruf[QStringLiteral("ursache")].toString());
        const QJsonValue ende = ruf[QStringLiteral("ende")];
        if (!nummer || !beginn || !ursache || !(ende.isNull() || endlicheZahl(ende)))
            continue;
        r.streckenrufe.push_back({*nummer, *beginn, endlicheZahl(ende), *ursache});
    }
}

std::optional<double> zahlOderNichts(const QJsonValue& wert) {
    return wert.isDouble() ? std::optional<double>(wert.toDouble()) : std::nullopt;
}

// A lap's figure written as null was infinite: a lap timed at zero has no finite speed.
double zahlOderUnendlich(const QJsonValue& wert) {
    return wert.isDouble() ? wert.toDouble() : std::numeric_limits<double>::infinity();
}

std::optional<Farbe> farbeAusJson(const QJsonValue& wert) {
    const QString text = wert.toString();
    bool gut = false;
    const uint rgb = text.mid(1).toUInt(&gut, 16);
    if (!gut || text.size() != 7 || !text.startsWith(QLatin1Char('#')))
        return std::nullopt;
    return Farbe(((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16));
}

std::optional<Spurfahrt> spurAusJson(const QJsonObject& o) {
    const std::optional<Farbe> farbe = farbeAusJson(o[QStringLiteral("farbe")]);
    if (!o[QStringLiteral("fahrer")].isString() || !farbe || !o[QStringLiteral("runden")].isArray())
        return std::nullopt;
    Spurfahrt f;
    f.fahrer = o[QStringLiteral("fahrer")].toString();
    f.farbe = *farbe;
    f.gesamtzeit = zahlOderNichts(o[QStringLiteral("gesamtzeit")]);
    f.schnitt = zahlOderNichts(o[QStringLiteral("schnitt")]);
    f.distanz = zahlOderNichts(o[QStringLiteral("distanz")]);
    for (const QJsonValue& runde : o[QStringLiteral("runden")].toArray()) {
        const QJsonObject r = runde.toObject();
        f.runden.push_back({zahlOderUnendlich(r[QStringLiteral("zeit")]),
                            zahlOderUnendlich(r[QStringLiteral("geschwindigkeit")]),
                            r[QStringLiteral("handrunde")].toBool()});
    }
    return f;
}

// Every heat of a race has the track's lanes, as many as the first.
std::optional<std::vector<Spuren<Spurfahrt>>> laeufeAusJson(const QJsonArray& laeufe) {
    std::vector<Spuren<Spurfahrt>> gelesen;
    for (const QJsonValue& lauf : laeufe) {
        const QJsonArray spuren = lauf.toObject()[QStringLiteral("spuren")].toArray();
        if (spuren.size() < KleinsteSpurenzahl || spuren.size() > GroessteSpurenzahl ||
            (!gelesen.empty() && spuren.size() != gelesen.front().anzahl()))
            return std::nullopt;
        auto fahrten = Spuren<Spurfahrt>::fuer(int(spuren.size()));
        for (int spur = 1; spur <= fahrten.anzahl(); ++spur) {
            std::optional<Spurfahrt> f = spurAusJson(spuren[spur - 1].toObject());
            if (!f)
                return std::nullopt;
            fahrten[spur] = std::move(*f);
        }
        gelesen.push_back(std::move(fahrten));
    }
    return gelesen;
}

} // namespace

QByteArray rennenAlsJson(std::optional<qint64> nummer, const Rennaufzeichnung& r) {
    const bool nachZeit = r.rennart == Rennlaenge::Zeit;
    QByteArray a = "{\"nummer\": " + (nummer ? QByteArray::number(*nummer) : "null") +
                   ", \"beginn\": " + jsonText(beginnText(r.beginn)) +
                   ", \"modus\": " + jsonText(artText(r.art)) +
                   ", \"abgebrochen\": " + (r.abgebrochen ? "true" : "false") +
                   ", \"rundenzahl\": " + QByteArray::number(r.rundenzahl) +
                   ", \"rennart\": " + jsonText(rennartName(r.rennart)) + ", \"renndauer\": " +
                   (nachZeit ? QByteArray::number(r.renndauer) : QByteArray("null")) +
                   ", \"zielregel\": " +
                   (nachZeit ? jsonText(zielregelName(r.zielregel)) : QByteArray("null")) +
                   ", \"kurslaenge\": " + jsonZahl(r.kurslaenge) +
                   ", \"prellzeit\": " + jsonZahl(r.prellzeit) +
                   ", \"signalquelle\": " + jsonText(quellenText(r.quelle)) +
                   ", \"sieger\": " + (r.sieger ? jsonText(*r.sieger) : QByteArray("null")) +
                   ", \"unentschieden\": " + (!r.abgebrochen && !r.sieger ? "true" : "false") +
                   ", \"laeufe\": [";
    a += laeufeAlsJson(r.laeufe, &r) + "]";
    // Per heat each sensor signal as [lane, seconds from the green light].
    a += ", \"rohsignale\": [";
    for (std::size_t lauf = 0; lauf < r.rohsignale.size(); ++lauf) {
        a += lauf ? ", [" : "[";
        for (std::size_t i = 0; i < r.rohsignale[lauf].size(); ++i) {
            const Rohsignal& s = r.rohsignale[lauf][i];
            a += (i ? ", [" : "[") + QByteArray::number(s.spur) + ", " +
                 QByteArray::number(double(s.mikrosekunden) / 1e6, 'f', 6) + "]";
        }
        a += "]";
    }
    a += "]" + rennleitungAlsJson(r);
    // A corrected race carries its heats as first stored, which restore it.
    if (r.korrigiert())
        a += ", \"original\": [" + laeufeAlsJson(r.original, nullptr) +
             "], \"original_abgebrochen\": " + (r.originalAbgebrochen ? "true" : "false");
    if (r.abend)
        a += ", \"rennabend\": {\"schluessel\": " + jsonText(r.abend->rennabend) +
             ", \"nummer\": " + QByteArray::number(r.abend->nummer) + "}";
    // How a track of more lanes ran the race, where it did not run as every race does.
    if (r.freieSpuren) {
        a += ", \"freie_spuren\": [";
        for (int spur = 1, erste = 1; spur <= r.spurenzahl(); ++spur)
            if (r.spurFrei(spur))
                a += (std::exchange(erste, 0) ? "" : ", ") + QByteArray::number(spur);
        a += "]";
    }
    if (r.nachSiegerBeenden)
        a += ", \"nach_sieger_beenden\": true";
    return a + "}";
}

std::optional<Rennaufzeichnung> rennenAusJson(const QJsonObject& o) {
    Rennaufzeichnung r;
    r.beginn = QDateTime::fromString(o[QStringLiteral("beginn")].toString(), Qt::ISODate);
    const QJsonArray laeufe = o[QStringLiteral("laeufe")].toArray();
    if (!r.beginn.isValid() || laeufe.isEmpty() || laeufe.size() > qsizetype(MeisteLaeufe))
        return std::nullopt;
    r.art = artAusText(o[QStringLiteral("modus")].toString());
    r.abgebrochen = o[QStringLiteral("abgebrochen")].toBool();
    r.rundenzahl = o[QStringLiteral("rundenzahl")].toInt();
    r.rennart = rennartLesen(o[QStringLiteral("rennart")].toString()).value_or(Rennlaenge::Runden);
    r.renndauer = o[QStringLiteral("renndauer")].toInt();
    r.zielregel =
        zielregelLesen(o[QStringLiteral("zielregel")].toString()).value_or(Zielregel::RundeBeenden);
    r.kurslaenge = o[QStringLiteral("kurslaenge")].toDouble();
    r.prellzeit = o[QStringLiteral("prellzeit")].toDouble();
    r.quelle = quelleAusText(o[QStringLiteral("signalquelle")].toString());
    if (o[QStringLiteral("sieger")].isString())
        r.sieger = o[QStringLiteral("sieger")].toString();
    std::optional<std::vector<Spuren<Spurfahrt>>> gelesen = laeufeAusJson(laeufe);
    if (!gelesen)
        return std::nullopt;
    r.laeufe = std::move(*gelesen);
    r.original =
        laeufeAusJson(o[QStringLiteral("original")].toArray()).value_or(decltype(r.original){});
    // The race as first stored was driven on the same track.
    if (!r.original.empty() && r.original.front().anzahl() != r.spurenzahl())
        r.original.clear();
    r.originalAbgebrochen = r.korrigiert() && o[QStringLiteral("original_abgebrochen")].toBool();
    // A lane the race did not have was no free lane of it.
    for (const QJsonValue& spur : o[QStringLiteral("freie_spuren")].toArray())
        if (spur.toInt() >= 1 && spur.toInt() <= r.spurenzahl())
            r.freieSpuren |= 1U << (spur.toInt() - 1);
    r.nachSiegerBeenden =
        r.rennart == Rennlaenge::Runden && o[QStringLiteral("nach_sieger_beenden")].toBool();
    const QJsonObject abend = o[QStringLiteral("rennabend")].toObject();
    if (abend[QStringLiteral("schluessel")].isString())
        r.abend = Abendzuordnung{abend[QStringLiteral("schluessel")].toString(),
                                 abend[QStringLiteral("nummer")].toInt()};
    for (const QJsonValue& lauf : o[QStringLiteral("rohsignale")].toArray()) {
        std::vector<Rohsignal> signale;
        for (const QJsonValue& signal : lauf.toArray()) {
            const QJsonArray paar = signal.toArray();
            const int spur = paar[0].toInt();
            const double sekunden = paar[1].toDouble();
            if (paar.size() != 2 || spur < 1 || spur > r.spurenzahl() || !paar[1].isDouble() ||
                !(std::abs(sekunden) * 1e6 <= double(GroessteSignalzeit)))
                return std::nullopt;
            signale.push_back({spur, std::llround(sekunden * 1e6)});
        }
        r.rohsignale.push_back(std::move(signale));
    }
    rennleitungAusJson(o, r);
    return r;
}
