// The real sound output: WAV files, found among the program's own files whatever folder
// it was started from, and the beep through the system's default audio output. Without an
// audio device everything stays silent.
#pragma once

#include "Klangausgabe.h"
#include "Programmdateien.h"

#include <QAudioDevice>
#include <QBuffer>
#include <QDeadlineTimer>
#include <QObject>
#include <QSoundEffect>
#include <memory>

class QAudioSink;

class QtKlangausgabe final : public QObject, public Klangausgabe {
public:
    explicit QtKlangausgabe(Programmdateien dateien, QObject* eltern = nullptr);
    ~QtKlangausgabe() override;

    void abspielen(const QString& datei) override;
    void piepen(int frequenzHz, int dauerMs) override;

private:
    bool tonausgabeBereit(const QAudioDevice& geraet);
    void tonausgabeAbgeben();
    void tonStarten(QByteArray daten);
    void tonZustandGewechselt();

    Programmdateien m_dateien;
    QSoundEffect m_effekt;
    // The sink reads from the buffer, so it is declared after it and goes first.
    QBuffer m_tonPuffer;
    QAudioDevice m_tonGeraet;
    std::unique_ptr<QAudioSink> m_tonausgabe;
    QByteArray m_wartendeToene;
    QDeadlineTimer m_tonFrist; // by when the beeps being played are over
};
