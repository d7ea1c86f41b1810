// Stand-ins for the platform pieces: they record what the logic asked for and answer
// dialogs from a script.
#pragma once

#include "BoxBibliothek.h"
#include "Dialoge.h"
#include "Einstellungsspeicher.h"
#include "Klangausgabe.h"
#include "Portsteuerung.h"
#include "Rekorde.h"
#include "SerielleSchnittstelle.h"
#include "Uhr.h"
#include "Wecker.h"
#include "Zeitgeber.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

class FakeUhr : public Uhr {
public:
    explicit FakeUhr(int ticksProSekunde = 1000) : m_tps(ticksProSekunde) {}
    std::int64_t ticks() override { return stand; }
    int ticksProSekunde() const override { return m_tps; }
    std::int64_t stand = 0;

private:
    int m_tps;
};

class FakeZeitgeber : public Zeitgeber {
public:
    void setEnabled(bool an) override { m_an = an; }
    bool enabled() const override { return m_an; }

private:
    bool m_an = false;
};

// Remembers when it should ring, in ticks of the clock it was given; the test rings it.
class FakeWecker : public Wecker {
public:
    explicit FakeWecker(Uhr& uhr) : m_uhr(uhr) {}
    void stellen(std::int64_t millisekunden) override {
        faellig = m_uhr.ticks() + millisekunden * m_uhr.ticksProSekunde() / 1000;
    }
    void abstellen() override { faellig.reset(); }
    // Whether it rings at this tick, once.
    bool klingelt(std::int64_t jetzt) {
        if (!faellig || jetzt < *faellig)
            return false;
        faellig.reset();
        return true;
    }

    std::optional<std::int64_t> faellig;

private:
    Uhr& m_uhr;
};

struct Meldung {
    QString text;
    QString titel;
    bool haeltAuf = true; // false for a note, which returns at once
};

class FakeDialoge : public Dialoge {
public:
    void meldung(const QString& text, const QString& titel) override {
        meldungen.push_back({text, titel});
        waehrendModal();
    }
    void hinweis(const QString& text, const QString& titel) override {
        meldungen.push_back({text, titel, false});
    }
    bool frage(const QString& text, const QString& titel) override {
        meldungen.push_back({text, titel});
        waehrendModal();
        return naechste(fragenAntworten, true);
    }
    QString eingabe(const QString& aufforderung, const QString& titel,
                    const QString& vorgabe) override {
        eingaben.push_back({aufforderung, titel});
        vorgaben.push_back(vorgabe);
        waehrendModal();
        return naechste(eingabeAntworten, QString());
    }
    void fensterZeigen(Fenster fenster) override {
        gezeigteFenster.push_back(fenster);
        waehrendModal();
    }
    void f2SpurRennenZeigen(const F2SpurRennenInhalt& inhalt) override {
        ergebnisfenster.push_back(inhalt);
        waehrendModal();
    }
    void rotationsergebnisZeigen(const RotationsergebnisInhalt& inhalt) override {
        rotationsfenster.push_back(inhalt);
        waehrendModal();
    }

    std::vector<Meldung> meldungen;
    std::vector<Meldung> eingaben;
    QStringList vorgaben;
    std::vector<Fenster> gezeigteFenster;
    std::vector<F2SpurRennenInhalt> ergebnisfenster;
    std::vector<RotationsergebnisInhalt> rotationsfenster;
    std::deque<QString> eingabeAntworten;
    std::deque<bool> fragenAntworten;
    // Runs while the next modal window is open, as the platform's event loop would.
    std::function<void()> beimNaechstenModal;

private:
    void waehrendModal() {
        if (auto aktion = std::exchange(beimNaechstenModal, nullptr))
            aktion();
    }
    template <typename T> static T naechste(std::deque<T>& antworten, T sonst) {
        if (antworten.empty())
            return sonst;
        T antwort = antworten.front();
        antworten.pop_front();
        return antwort;
    }
};

class FakeKlang : public Klangausgabe {
public:
    void abspielen(const QString& datei) override { dateien << datei; }
    void piepen(int frequenzHz, int dauerMs) override {
        pieptoene.push_back({frequenzHz, dauerMs});
    }
    QStringList dateien;
    std::vector<std::pair<int, int>> pieptoene;
};

class FakeSchnittstelle : public SerielleSchnittstelle {
public:
    void RTSEnable(bool an) override { rts.push_back(an); }
    std::vector<bool> rts;
};

class FakeBox : public BoxBibliothek {
public:
    std::optional<QString> ladefehler() override { return fehlt; }
    std::int16_t InitBoxes() override {
        aufrufe << QStringLiteral("InitBoxes");
        return version;
    }
    void OpenBox(std::int32_t box, const BoxKonfiguration& k) override {
        aufrufe << QStringLiteral("OpenBox %1").arg(box);
        konfiguration = k;
    }
    // Every byte completes the next scripted event, if one is waiting.
    std::int16_t RX_data(std::int32_t, std::uint8_t byte) override {
        aufrufe << QStringLiteral("RX_data");
        empfangen.push_back(byte);
        return ereignisse.empty() ? 0 : 2;
    }
    BoxEreignisDaten Get_Event() override {
        aufrufe << QStringLiteral("Get_Event");
        BoxEreignisDaten ereignis;
        if (!ereignisse.empty()) {
            ereignis = ereignisse.front();
            ereignisse.pop_front();
        }
        return ereignis;
    }
    std::int32_t Get_TStamp(std::int32_t) override { return zeitstempel; }

    std::optional<QString> fehlt;
    std::deque<BoxEreignisDaten> ereignisse;
    std::vector<std::uint8_t> empfangen;
    QStringList aufrufe;
    BoxKonfiguration konfiguration{};
    std::int16_t version = 0x0103;
    std::int32_t zeitstempel = 0;
};

class FakeSpeicher : public Einstellungsspeicher {
public:
    QString lesen(const QString& schluessel, const QString& vorgabe) override {
        return werte.value(schluessel, vorgabe);
    }
    void speichern(const QString& schluessel, const QString& wert) override {
        werte[schluessel] = wert;
        geschrieben << schluessel;
    }
    QMap<QString, QString> werte;
    QStringList geschrieben;
};

class FakeRekorde : public Rekorde {
public:
    void hofPruefen(const Rennen&) override {
        aufrufe << QStringLiteral("HofPruefen");
        if (beimHofPruefen)
            beimHofPruefen();
    }
    void ergebnisSpeichern(const Rennen&) override {
        aufrufe << QStringLiteral("ErgebnisSpeichern");
        if (beimErgebnisSpeichern)
            beimErgebnisSpeichern();
    }
    QStringList aufrufe;
    std::function<void()> beimHofPruefen;
    std::function<void()> beimErgebnisSpeichern;
};

class FakePort : public Portsteuerung {
public:
    void SchnittstelleOeffnen(const QString& modus) override {
        aufrufe << QStringLiteral("SchnittstelleOeffnen ") + modus;
    }
    void aktivenPortSchliessen() override { aufrufe << QStringLiteral("schliessen"); }
    QStringList aufrufe;
};
