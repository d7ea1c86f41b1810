// The live page's audience for the figures: the standings follow the race and are served on
// 127.0.0.1, where rundomat-webclients keeps 50 pages open (and, if asked, more that come
// and go).
// Every update a steady page receives is kept with its arrival time on the steady clock,
// which is the same clock in both processes.
#pragma once

#include "Rennen.h"
#include "Webserver.h"
#include "Zuschauerstand.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <chrono>
#include <cstdio>
#include <vector>

// The race clock's tenths would be updates no lap caused; the figures count those of laps.
class OhneTakt final : public Zeitgeber {
public:
    void setEnabled(bool) override {}
    bool enabled() const override { return false; }
};

class Webpublikum {
public:
    struct Empfang {
        std::chrono::steady_clock::time_point zeit;
        QByteArray runden; // every lane's "laps driven" text, joined by '|', blanks as '_'
    };

    static constexpr int Seiten = 50;

    explicit Webpublikum(Rennen& rennen) : m_stand(rennen, m_uhr, m_takt) {
        rennen.beobachterAnmelden(m_stand);
    }
    Webpublikum(const Webpublikum&) = delete;
    Webpublikum& operator=(const Webpublikum&) = delete;

    // Starts the server and the pages, with `wechselnd` more that come and go; false (with
    // the reason on stderr) if they do not come up. The pages end by themselves after
    // `sekunden`.
    bool starten(int wechselnd, int sekunden) {
        m_stand.beiAenderung([this](const Zuschaueransicht& a) { m_web.veroeffentlichen(a); });
        m_web.veroeffentlichen(m_stand.ansicht());
        if (const auto fehler = m_web.starten({QStringLiteral("127.0.0.1"), 0})) {
            std::fprintf(stderr, "%s\n", qPrintable(*fehler));
            return false;
        }
        QObject::connect(&m_seiten, &QProcess::readyReadStandardOutput, [this] { lesen(); });
        m_seiten.start(QStringLiteral(WEBCLIENTS),
                       {QString::number(m_web.port()), QString::number(Seiten),
                        QString::number(wechselnd), QString::number(sekunden)});
        QElapsedTimer uhr;
        uhr.start();
        while (!m_bereit && uhr.elapsed() < 20'000 && m_seiten.state() != QProcess::NotRunning)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
        if (!m_bereit)
            std::fprintf(stderr, "the %d pages did not connect\n", Seiten);
        return m_bereit;
    }

    // Every lane's "laps driven" as the pages spell them.
    QByteArray runden() const {
        QStringList runden;
        for (const Zuschauerspur& spur : m_stand.ansicht().spuren)
            runden << spur.gefahren;
        return runden.join(QLatin1Char('|')).toUtf8().replace(' ', '_');
    }

    // Waits for the pages to end and returns what they received.
    const std::vector<Empfang>& beenden() {
        m_seiten.waitForFinished(30'000);
        lesen();
        return m_empfang;
    }

    ~Webpublikum() {
        if (m_seiten.state() != QProcess::NotRunning) {
            m_seiten.kill();
            m_seiten.waitForFinished();
        }
    }

private:
    void lesen() {
        m_rest += m_seiten.readAllStandardOutput();
        qsizetype ende;
        while ((ende = m_rest.indexOf('\n')) >= 0) {
            const QByteArray zeile = m_rest.left(ende);
            m_rest.remove(0, ende + 1);
            const QList<QByteArray> teile = zeile.split(' ');
            if (zeile == "bereit")
                m_bereit = true;
            else if (teile.size() == 4 && teile[0] == "nachricht")
                m_empfang.push_back({std::chrono::steady_clock::time_point(
                                         std::chrono::nanoseconds(teile[2].toLongLong())),
                                     teile[3]});
        }
    }

    Systemuhr m_uhr;
    OhneTakt m_takt;
    Zuschauerstand m_stand;
    Webserver m_web;
    QProcess m_seiten;
    QByteArray m_rest;
    bool m_bereit = false;
    std::vector<Empfang> m_empfang;
};
