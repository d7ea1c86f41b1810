#include "Fahrerliste.h"

#include "Fahrerklassen.h"

#include <algorithm>
#include <array>

bool gleicherFahrer(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

std::optional<QString> fahrerlisteFehler(const QStringList& namen, int hoechstens) {
    if (namen.size() < WenigsteFahrer)
        return QStringLiteral("Ein Rennabend braucht mindestens %1 Fahrer, die Liste hat %2.")
            .arg(WenigsteFahrer)
            .arg(namen.size());
    if (namen.size() > hoechstens)
        return QStringLiteral("Ein Rennabend hat höchstens %1 Fahrer, die Liste hat %2.")
            .arg(hoechstens)
            .arg(namen.size());
    for (qsizetype i = 0; i < namen.size(); ++i) {
        if (namen[i].trimmed().isEmpty())
            return QStringLiteral("Fahrer %1 hat keinen Namen.").arg(i + 1);
        // A tab or line break would split the plan's lines and the tables written from it.
        if (std::any_of(namen[i].begin(), namen[i].end(),
                        [](QChar c) { return c.category() == QChar::Other_Control; }))
            return QStringLiteral("Der Name von Fahrer %1 enthält ein Steuerzeichen.").arg(i + 1);
        for (qsizetype j = 0; j < i; ++j)
            if (gleicherFahrer(namen[i], namen[j]))
                return namen[i] == namen[j]
                           ? QStringLiteral("„%1“ steht zweimal in der Liste.").arg(namen[i])
                           : QStringLiteral("„%1“ und „%2“ sind derselbe Fahrer und stehen "
                                            "zweimal in der Liste.")
                                 .arg(namen[j], namen[i]);
    }
    return std::nullopt;
}

QStringList fahrernamenTrennen(const QString& liste) {
    QStringList namen = liste.split(QLatin1Char(','));
    for (QString& name : namen)
        name = fahrerangabe(name).name;
    return namen;
}

std::vector<Teilnehmer> teilnehmerMitFarben(const QStringList& namen) {
    // 0x00BBGGRR, bright enough to carry a dark name and far enough apart to tell at the track.
    static constexpr std::array<Farbe, MeisteFahrer> Palette{
        0x4040FF, 0xFF8040, 0x40C040, 0x00D0FF, 0xC040C0, 0xC0C000, 0x0080FF, 0x8080FF,
        0xFFC080, 0x80FF80, 0x80FFFF, 0xFF80FF, 0x808000, 0x4080C0, 0xC0C0C0, 0x00FF80};
    std::vector<Teilnehmer> teilnehmer;
    for (qsizetype i = 0; i < namen.size(); ++i)
        teilnehmer.push_back({namen[i], Palette[static_cast<std::size_t>(i) % Palette.size()]});
    return teilnehmer;
}
