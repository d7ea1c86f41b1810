#include "Seitenwerte.h"

#include "Farbkontrast.h"
#include "Tabelle.h"

#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
QString lampenklasse(Lampe lampe) {
    switch (lampe) {
    case Lampe::Gruen: return QStringLiteral("gruen");
    case Lampe::Rot: return QStringLiteral("rot");
    case Lampe::Gelb: return QStringLiteral("gelb");
    case Lampe::Aus: break;
    }
    return QStringLiteral("aus");
}

QString cssFarbe(Farbe farbe) {
    // Stored blue-high; CSS wants red first.
    return QStringLiteral("#%1%2%3")
        .arg(farbe & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((farbe >> 8) & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((farbe >> 16) & 0xFF, 2, 16, QLatin1Char('0'));
}

QString an(bool wert) {
    return wert ? QStringLiteral("an") : QString();
}

// The night's standings as the rows of the page's table, written as every table of the
// program is; a driver who left is marked by the row's class, the name stands on the
// driver's colour.
QString abendtabelleHtml(const Zuschaueransicht& a) {
    if (a.abendtabelle.empty())
        return {};
    std::vector<QStringList> zeilen;
    zeilen.reserve(a.abendtabelle.size());
    for (const Abendzeile& z : a.abendtabelle)
        zeilen.push_back(z.zellen);
    return tabellenzeilenHtml(a.abendkopf, zeilen, [&](std::size_t i) {
        const Abendzeile& z = a.abendtabelle[i];
        Zeilenzeichen zeichen;
        if (z.ausgeschieden)
            zeichen.klasse = QStringLiteral("aus");
        if (z.farbe) {
            zeichen.stilspalte = 1;
            zeichen.stil = QStringLiteral("background-color:%1;color:%2")
                               .arg(cssFarbe(*z.farbe), cssFarbe(schriftAuf(*z.farbe)));
        }
        return zeichen;
    });
}

QString zeilenHtml(const Namenszeile& zeile) {
    QString html;
    for (const Zeilenteil& teil : zeile) {
        const QString text = teil.text.toHtmlEscaped();
        const QString stil = teil.farbe
                                 ? QStringLiteral(" style=\"color:%1\"").arg(cssFarbe(*teil.farbe))
                                 : QString();
        html +=
            teil.name
                ? QStringLiteral("<span class=\"name\" title=\"%1\"%2>%1</span>").arg(text, stil)
                : text;
    }
    return html;
}

QJsonArray zeilenJson(const Namenszeile& zeile) {
    QJsonArray teile;
    for (const Zeilenteil& teil : zeile) {
        QJsonObject o{{QStringLiteral("text"), teil.text}, {QStringLiteral("name"), teil.name}};
        if (teil.farbe)
            o.insert(QStringLiteral("farbe"), cssFarbe(*teil.farbe));
        teile.append(o);
    }
    return teile;
}

QJsonObject abendJson(const Zuschaueransicht& a) {
    QJsonArray zeilen;
    for (const Abendzeile& z : a.abendtabelle) {
        QJsonObject zeile{{QStringLiteral("zellen"), QJsonArray::fromStringList(z.zellen)},
                          {QStringLiteral("ausgeschieden"), z.ausgeschieden}};
        if (z.farbe) {
            zeile.insert(QStringLiteral("farbe"), cssFarbe(*z.farbe));
            zeile.insert(QStringLiteral("schrift"), cssFarbe(schriftAuf(*z.farbe)));
        }
        zeilen.append(zeile);
    }
    QJsonArray laeufe;
    for (const Fahrerlauf& l : a.fahrerlaeufe)
        laeufe.append(
            QJsonObject{{QStringLiteral("name"), l.name}, {QStringLiteral("text"), l.text}});
    return {{QStringLiteral("kopf"), QJsonArray::fromStringList(a.abendkopf)},
            {QStringLiteral("zeilen"), zeilen},
            {QStringLiteral("laeufe"), laeufe}};
}
} // namespace

std::vector<Seitenwert> seitenwerte(const Zuschaueransicht& a) {
    std::vector<Seitenwert> werte{{QStringLiteral("titel"), a.titel, {}, {}}};
    for (int spur = 1; spur <= a.spuren.anzahl(); ++spur) {
        const Zuschauerspur& s = a.spuren[spur];
        const QString p = QStringLiteral("s%1-").arg(spur);
        werte.push_back({p + QStringLiteral("name"), s.name,
                         s.namensgrund ? QStringLiteral("schild") : QString(), cssFarbe(s.farbe),
                         s.namensgrund ? cssFarbe(*s.namensgrund) : QString()});
        werte.push_back(
            {p + QStringLiteral("position"), s.position, an(!s.position.isEmpty()), {}});
        werte.push_back({p + QStringLiteral("gefahren"), s.gefahren, {}, {}});
        werte.push_back({p + QStringLiteral("zufahren"), s.zuFahren, {}, {}});
        werte.push_back({p + QStringLiteral("letzte"), s.letzte, {}, {}});
        werte.push_back({p + QStringLiteral("beste"),
                         s.beste,
                         s.besteNeu ? QStringLiteral("neu") : QString(),
                         {}});
        werte.push_back({p + QStringLiteral("abstand"), s.abstand, {}, {}});
        werte.push_back({p + QStringLiteral("vermerk"), s.vermerk, an(!s.vermerk.isEmpty()), {}});
        werte.push_back({p + QStringLiteral("lauf"), s.lauf, {}, {}});
    }
    for (int lampe = 1; lampe <= 5; ++lampe)
        werte.push_back(
            {QStringLiteral("lampe%1").arg(lampe), {}, lampenklasse(a.ampel[lampe]), {}});
    werte.push_back({QStringLiteral("countdown"), a.countdown, an(!a.countdown.isEmpty()), {}});
    werte.push_back({QStringLiteral("rennuhr"), a.rennuhr, an(!a.rennuhr.isEmpty()), {}});
    werte.push_back({QStringLiteral("crash"), QStringLiteral("CRASH"), an(a.crash), {}});
    werte.push_back({QStringLiteral("ergebnis"), a.ergebnis, an(!a.ergebnis.isEmpty()), {}});
    for (const auto& [id, zeile] : {std::pair{QStringLiteral("abendstand"), &a.abendstand},
                                    std::pair{QStringLiteral("naechste"), &a.alsNaechstes}})
        werte.push_back({id, zeilentext(*zeile), an(!zeile->empty()), {}, {}, *zeile});
    return werte;
}

QByteArray seitenJson(const Zuschaueransicht& ansicht) {
    QJsonObject texte, klassen, farben, gruende, teile;
    for (const Seitenwert& w : seitenwerte(ansicht)) {
        texte.insert(w.id, w.text);
        if (w.klasse)
            klassen.insert(w.id, *w.klasse);
        if (!w.farbe.isEmpty())
            farben.insert(w.id, w.farbe);
        if (w.grund)
            gruende.insert(w.id, *w.grund);
        if (w.teile)
            teile.insert(w.id, zeilenJson(*w.teile));
    }
    const QJsonObject alles{{QStringLiteral("spuren"), ansicht.spuren.anzahl()},
                            {QStringLiteral("texte"), texte},
                            {QStringLiteral("klassen"), klassen},
                            {QStringLiteral("farben"), farben},
                            {QStringLiteral("gruende"), gruende},
                            {QStringLiteral("teile"), teile},
                            {QStringLiteral("abend"), abendJson(ansicht)}};
    return QJsonDocument(alles).toJson(QJsonDocument::Compact);
}

Seitenvorlage seitenvorlage() {
    const auto lesen = [](const QString& pfad) {
        QFile datei(pfad);
        return datei.open(QIODevice::ReadOnly) ? QString::fromUtf8(datei.readAll()) : QString();
    };
    return {lesen(QStringLiteral(":/zuschauer/index.html")),
            lesen(QStringLiteral(":/zuschauer/spur.html"))};
}

QByteArray seiteFuellen(const Seitenvorlage& vorlagen, const Zuschaueransicht& ansicht) {
    const auto karte = [&](int spur) {
        return QString(vorlagen.spur).replace(QStringLiteral("SPUR"), QString::number(spur));
    };
    QString weitere;
    for (int spur = 2; spur <= ansicht.spuren.anzahl(); ++spur)
        weitere += karte(spur);
    const QString vorlage = QString(vorlagen.seite)
                                .replace(QStringLiteral("{{spur1}}"), karte(1))
                                .replace(QStringLiteral("{{weitereSpuren}}"), weitere);
    // The table's rows and the lines' names are markup of their own, escaped part by part.
    QHash<QString, QString> marken{
        {QStringLiteral("spuren"), QString::number(ansicht.spuren.anzahl())}};
    QHash<QString, QString> roh{
        {QStringLiteral("abendtabelle"), abendtabelleHtml(ansicht)},
        {QStringLiteral("abendtabelle.klasse"), an(!ansicht.abendtabelle.empty())}};
    for (const Seitenwert& w : seitenwerte(ansicht)) {
        if (w.teile)
            roh.insert(w.id, zeilenHtml(*w.teile));
        else
            marken.insert(w.id, w.text);
        if (w.klasse)
            marken.insert(w.id + QStringLiteral(".klasse"), *w.klasse);
        marken.insert(w.id + QStringLiteral(".farbe"), w.farbe);
        if (w.grund)
            marken.insert(w.id + QStringLiteral(".grund"), *w.grund);
    }
    // One pass, so a driver named "{{s2-name}}" stays a name.
    QString seite;
    qsizetype pos = 0;
    while (true) {
        const qsizetype anfang = vorlage.indexOf(QStringLiteral("{{"), pos);
        const qsizetype ende = anfang < 0 ? -1 : vorlage.indexOf(QStringLiteral("}}"), anfang);
        if (ende < 0)
            break;
        const QString marke = vorlage.mid(anfang + 2, ende - anfang - 2);
        const auto wert = marken.constFind(marke);
        seite += vorlage.mid(pos, anfang - pos);
        if (wert != marken.constEnd())
            seite += wert->toHtmlEscaped();
        else
            seite += roh.value(marke, vorlage.mid(anfang, ende + 2 - anfang));
        pos = ende + 2;
    }
    seite += vorlage.mid(pos);
    return seite.toUtf8();
}
