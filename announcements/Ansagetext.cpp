#include "Ansagetext.h"

#include "Zahlwoerter.h"

#include <QRegularExpression>
#include <QStringList>
#include <cmath>

namespace {
// Characters that join the parts of a name ("Jean-Luc", "O'Brien", "Dr.Who") are kept
// between letters or digits only; anywhere else they would be read out as signs.
bool verbinder(char32_t zeichen) {
    return zeichen == U'-' || zeichen == U'\'' || zeichen == U'\u2019' || zeichen == U'.';
}

bool buchstabeOderZiffer(char32_t zeichen) {
    return QChar::isLetterOrNumber(zeichen);
}

bool zeichenmarke(char32_t zeichen) {
    return QChar::isMark(zeichen);
}

// Markup such as "<b>" or "&amp;" is not part of anyone's name.
QString ohneMarkup(QString text) {
    static const QRegularExpression Tag(QStringLiteral("<[^<>]*>"));
    static const QRegularExpression Entitaet(QStringLiteral("&#?[A-Za-z0-9]{1,10};"));
    return text.replace(Tag, QStringLiteral(" ")).replace(Entitaet, QStringLiteral(" "));
}

QString gekuerzt(const QString& name) {
    if (name.size() <= Ansagetext::LaengsterName)
        return name;
    const qsizetype leerzeichen = name.lastIndexOf(QLatin1Char(' '), Ansagetext::LaengsterName);
    if (leerzeichen > 0)
        return name.left(leerzeichen);
    // One long word: cut it, but never between the halves of a surrogate pair.
    qsizetype laenge = Ansagetext::LaengsterName;
    if (name.at(laenge - 1).isHighSurrogate())
        --laenge;
    while (laenge > 0 && verbinder(name.at(laenge - 1).unicode()))
        --laenge;
    return name.left(laenge);
}

} // namespace

namespace Ansagetext {

QString sprechbarerName(const QString& name) {
    const QList<uint> zeichen = ohneMarkup(name).toUcs4();
    QString ergebnis;
    bool luecke = false; // a space is owed before the next kept character
    for (qsizetype i = 0; i < zeichen.size(); ++i) {
        const char32_t z = zeichen[i];
        const bool zwischenWoertern = i + 1 < zeichen.size() && !ergebnis.isEmpty() && !luecke &&
                                      buchstabeOderZiffer(zeichen[i + 1]);
        const bool behalten = buchstabeOderZiffer(z) ||
                              (zeichenmarke(z) && !ergebnis.isEmpty() && !luecke) ||
                              (verbinder(z) && zwischenWoertern);
        if (!behalten) {
            luecke = !ergebnis.isEmpty();
            continue;
        }
        if (luecke)
            ergebnis += QLatin1Char(' ');
        luecke = false;
        ergebnis += QString::fromUcs4(&z, 1);
    }
    return gekuerzt(ergebnis);
}

QString spur(int spur) {
    return QStringLiteral("Spur ") + Zahlwoerter::zahlwort(spur);
}

QString fahrer(const QString& name, int nummer) {
    const QString sprechbar = sprechbarerName(name);
    return sprechbar.isEmpty() ? spur(nummer) : sprechbar;
}

QString runde(const Runde& r) {
    // A time beyond words (not a number, or far beyond any lap) is left out.
    const QString zeit = r.zeit ? Zahlwoerter::sekunden(*r.zeit) : QString();
    const bool bestzeit = r.bestzeit && !zeit.isEmpty();
    QStringList teile;
    if (bestzeit)
        teile << QStringLiteral("Bestzeit ") + r.fahrer;
    if (!zeit.isEmpty())
        teile << zeit;
    if (r.nochRunden == 1)
        teile << QStringLiteral("letzte Runde");
    else if (r.nochRunden == 3 || r.nochRunden == 5 || r.nochRunden == 10)
        teile << QStringLiteral("noch ") + Zahlwoerter::zahlwort(*r.nochRunden) +
                     QStringLiteral(" Runden");
    // A name alone tells nothing.
    if (!teile.isEmpty() && !bestzeit && !r.fahrer.isEmpty())
        teile.prepend(r.fahrer);
    return teile.join(QStringLiteral(", "));
}

QString restzeit(int sekunden) {
    switch (sekunden) {
    case 60: return QStringLiteral("noch eine Minute");
    case 10: return QStringLiteral("noch zehn Sekunden");
    case 0: return QStringLiteral("Zeit ist um");
    default: return {};
    }
}

QString fehlstart(const QString& fahrer) {
    return QStringLiteral("Fehlstart ") + fahrer;
}

namespace {
// "fünf Sekunden", "eine Runde": a count as said before its noun. A part of a second has
// its digits said.
QString anzahl(double wert, const QString& eins, const QString& mehrere) {
    if (wert == 1)
        return QStringLiteral("eine ") + eins;
    const bool ganz = wert == std::floor(wert);
    return (ganz ? Zahlwoerter::zahlwort(static_cast<std::int64_t>(wert))
                 : Zahlwoerter::sekunden(wert)) +
           u' ' + mehrere;
}

QString grossGeschrieben(QString text) {
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}
} // namespace

QString strafe(const QString& fahrer, const Strafe& strafe) {
    QString text;
    switch (strafe.art) {
    case Strafart::Zeit:
        text = anzahl(strafe.wert, QStringLiteral("Sekunde"), QStringLiteral("Sekunden")) +
               QStringLiteral(" Strafe für ") + fahrer;
        break;
    case Strafart::Runden:
        text = anzahl(strafe.wert, QStringLiteral("Runde"), QStringLiteral("Runden")) +
               QStringLiteral(" Strafe für ") + fahrer;
        break;
    case Strafart::StopAndGo: text = QStringLiteral("Stop and go für ") + fahrer; break;
    }
    if (strafe.grund == QStringLiteral("Fehlstart"))
        return QStringLiteral("Fehlstart, ") + text;
    return grossGeschrieben(text);
}

QString strafeZurueckgenommen(const QString& fahrer) {
    return QStringLiteral("Strafe für ") + fahrer + QStringLiteral(" zurückgenommen");
}

QString rundeGestrichen(int nummer) {
    return QStringLiteral("Runde gestrichen, ") + spur(nummer);
}

QString crashPause(bool an) {
    return an ? QStringLiteral("Crash, Rennen unterbrochen")
              : QStringLiteral("Rennen läuft weiter");
}

QString streckenruf(int nummer) {
    return QStringLiteral("Streckenruf: ") + spur(nummer) + QStringLiteral(" überfällig");
}

QString gewinnt(const QString& fahrer) {
    return fahrer + QStringLiteral(" gewinnt");
}

QString platz(const QString& fahrer, int platz) {
    return fahrer + QStringLiteral(", Platz ") + Zahlwoerter::zahlwort(platz);
}

QString sieg(const QString& fahrer, double abstand, int vorlauf) {
    static const QStringList Ordnungszahlen{QStringLiteral("Erster"),  QStringLiteral("Zweiter"),
                                            QStringLiteral("Dritter"), QStringLiteral("Vierter"),
                                            QStringLiteral("Fünfter"), QStringLiteral("Sechster"),
                                            QStringLiteral("Siebter")};
    QStringList teile{vorlauf >= 1 && vorlauf <= Ordnungszahlen.size()
                          ? Ordnungszahlen[vorlauf - 1] + QStringLiteral(" Lauf: ") + fahrer +
                                QStringLiteral(" vorn")
                          : gewinnt(fahrer)};
    if (const QString gesagt = vorsprung(abstand); !gesagt.isEmpty())
        teile << gesagt;
    return teile.join(QStringLiteral(", "));
}

QString vorsprung(double sekunden) {
    const QString hundertstel = Zahlwoerter::sekunden(sekunden);
    if (hundertstel.isEmpty())
        return {};
    if (hundertstel != Zahlwoerter::sekunden(0.0))
        return QStringLiteral("Vorsprung ") + hundertstel + QStringLiteral(" Sekunden");
    // "null Komma null null Sekunden" would tell nothing: below a hundredth the
    // milliseconds are said.
    const std::int64_t millisekunden = std::llround(std::fabs(sekunden) * 1000);
    if (millisekunden == 0)
        return QStringLiteral("hauchdünner Vorsprung");
    if (millisekunden == 1)
        return QStringLiteral("Vorsprung eine Millisekunde");
    return QStringLiteral("Vorsprung ") + Zahlwoerter::zahlwort(millisekunden) +
           QStringLiteral(" Millisekunden");
}

QString unentschieden() {
    return QStringLiteral("Unentschieden");
}

QString hallOfFame(const QString& fahrer, int rang) {
    const QString platz = QStringLiteral("Platz ") + Zahlwoerter::zahlwort(rang) +
                          QStringLiteral(" in der Hall of Fame");
    return fahrer.isEmpty() ? platz : fahrer + QStringLiteral(", ") + platz;
}

} // namespace Ansagetext
