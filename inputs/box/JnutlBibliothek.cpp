#include "JnutlBibliothek.h"

#include <QDir>
#include <QFileInfo>

JnutlBibliothek::JnutlBibliothek(QStringList orte) : m_orte(std::move(orte)) {}

QString JnutlBibliothek::dateiname() {
    return QStringLiteral(JNUTL_DATEI);
}

QStringList JnutlBibliothek::standardorte(const Programmdateien& dateien) {
    return {QDir(dateien.bibliotheksordner()).filePath(dateiname()), dateiname()};
}

const JnutlBibliothek::Einsprungpunkte* JnutlBibliothek::laden() {
    if (!m_einsprung && !m_versucht)
        versuchen();
    return m_einsprung ? &*m_einsprung : nullptr;
}

void JnutlBibliothek::versuchen() {
    m_versucht = true;
    m_fehlenderEinsprung.clear();
    for (const QString& ort : m_orte) {
        m_einsprung = ladenVon(ort);
        if (m_einsprung)
            return;
    }
}

std::optional<JnutlBibliothek::Einsprungpunkte> JnutlBibliothek::ladenVon(const QString& ort) {
    m_bibliothek.setFileName(ort);
    if (!m_bibliothek.load())
        return std::nullopt;
    const auto einsprung = [this](const char* name) {
        QFunctionPointer funktion = m_bibliothek.resolve(name);
        if (funktion == nullptr && m_fehlenderEinsprung.isEmpty())
            m_fehlenderEinsprung = QString::fromLatin1(name);
        return funktion;
    };
    const Einsprungpunkte punkte{
        reinterpret_cast<decltype(&::InitBoxes)>(einsprung("InitBoxes")),
        reinterpret_cast<decltype(&::OpenBox)>(einsprung("OpenBox")),
        reinterpret_cast<decltype(&::RX_data)>(einsprung("RX_data")),
        reinterpret_cast<decltype(&::Get_Event)>(einsprung("Get_Event")),
        reinterpret_cast<decltype(&::Get_TStamp)>(einsprung("Get_TStamp"))};
    if (punkte.InitBoxes && punkte.OpenBox && punkte.RX_data && punkte.Get_Event &&
        punkte.Get_TStamp)
        return punkte;
    m_bibliothek.unload();
    return std::nullopt;
}

std::optional<QString> JnutlBibliothek::ladefehler() {
    if (!m_einsprung)
        versuchen();
    if (m_einsprung)
        return std::nullopt;
    // The run-time error numbers of a library that does not load (48) and of a missing
    // entry point (453).
    const QString fehler =
        m_fehlenderEinsprung.isEmpty()
            ? QStringLiteral("Fehlernr: 48\r\nFehler beim Laden der Bibliothek ") + dateiname()
            : QStringLiteral("Fehlernr: 453\r\nEinsprungpunkt ") + m_fehlenderEinsprung +
                  QStringLiteral(" in ") + dateiname() + QStringLiteral(" nicht gefunden");
    return fehler + QStringLiteral("\r\n") + suchorte();
}

// Where the file was looked for and where it belongs: it is built with the program, so
// the racer needs a folder, not a download.
QString JnutlBibliothek::suchorte() const {
    QStringList gesucht;
    QString ordner;
    for (const QString& ort : m_orte) {
        const QFileInfo datei(ort);
        if (!ort.contains(QLatin1Char('/')) && !ort.contains(QLatin1Char('\\'))) {
            gesucht << QStringLiteral("in den Bibliotheksverzeichnissen des Systems");
            continue;
        }
        const QString pfad = QDir::toNativeSeparators(datei.absolutePath());
        gesucht << QStringLiteral("im Ordner ") + pfad;
        if (ordner.isEmpty())
            ordner = pfad;
    }
    gesucht.removeDuplicates();
    const QString letzter = gesucht.isEmpty() ? QString() : gesucht.takeLast();
    QString text = QStringLiteral("Gesucht wurde die Datei ") + dateiname() + QLatin1Char(' ') +
                   (gesucht.isEmpty()
                        ? letzter
                        : gesucht.join(QStringLiteral(", ")) + QStringLiteral(" und ") + letzter) +
                   QLatin1Char('.');
    if (!ordner.isEmpty())
        text += QStringLiteral(" Sie wird mit Rundomat gebaut und gehört in den Ordner ") + ordner +
                QLatin1Char('.');
    return text;
}

std::int16_t JnutlBibliothek::InitBoxes() {
    const Einsprungpunkte* punkte = laden();
    return punkte ? punkte->InitBoxes() : 0;
}

void JnutlBibliothek::OpenBox(std::int32_t box, const BoxKonfiguration& konfiguration) {
    if (const Einsprungpunkte* punkte = laden())
        punkte->OpenBox(box, konfiguration.data());
}

std::int16_t JnutlBibliothek::RX_data(std::int32_t box, std::uint8_t byte) {
    const Einsprungpunkte* punkte = laden();
    return punkte ? punkte->RX_data(box, byte) : 0;
}

BoxEreignisDaten JnutlBibliothek::Get_Event() {
    JnutlEreignis ereignis{0, 0};
    if (const Einsprungpunkte* punkte = laden())
        punkte->Get_Event(&ereignis);
    return {ereignis.code, ereignis.zeitstempel};
}

std::int32_t JnutlBibliothek::Get_TStamp(std::int32_t box) {
    const Einsprungpunkte* punkte = laden();
    return punkte ? punkte->Get_TStamp(box) : 0;
}
