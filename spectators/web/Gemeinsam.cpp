#include "Gemeinsam.h"

#include "LiveSitzung.h"
#include "Seitenwerte.h"

#include <QFile>

namespace {
std::string ressource(const QString& pfad) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return {};
    return datei.readAll().toStdString();
}
} // namespace

Gemeinsam::Gemeinsam(Webserver::Fristen fristen)
    : fristen(fristen), vorlage(seitenvorlage()),
      stil(ressource(QStringLiteral(":/zuschauer/zuschauer.css"))),
      skript(ressource(QStringLiteral(":/zuschauer/zuschauer.js"))),
      json(std::make_shared<const std::string>(seitenJson(ansicht).toStdString())) {}

const std::string& Gemeinsam::gefuellteSeite() {
    if (!seite)
        seite = seiteFuellen(vorlage, ansicht).toStdString();
    return *seite;
}

void Gemeinsam::zeigen(Zuschaueransicht neu) {
    ansicht = std::move(neu);
    seite.reset();
    json = std::make_shared<const std::string>(seitenJson(ansicht).toStdString());
    for (LiveSitzung* offen : seiten)
        offen->senden(json);
}
