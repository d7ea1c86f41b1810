// The real voice: eSpeak NG renders each text on a thread of its own, which plays it on
// the default audio device in a stream of its own, beside the sounds and the beep. The
// stream stays open while texts follow each other, so they neither cut one another's end
// nor wait for a new stream; it closes after a few seconds of silence.
#pragma once

#include "Sprecher.h"

#include <QObject>
#include <QThread>
#include <atomic>
#include <functional>

class EspeakSprecher final : public QObject, public Sprecher {
public:
    EspeakSprecher();
    ~EspeakSprecher() override;
    EspeakSprecher(const EspeakSprecher&) = delete;
    EspeakSprecher& operator=(const EspeakSprecher&) = delete;

    void sprechen(const QString& text, const Sprechweise& weise,
                  std::function<void()> fertig) override;
    void verstummen() override;
    QString warumStumm() const override;

    // For measurements: called on the voice's thread at the moment the audio output takes
    // the first samples of a text.
    void beiErstenSamples(std::function<void()> aufruf);

private:
    class Werk;
    // From the voice's thread: the text of that number has been handed to the output.
    void gesagtMelden(int nummer);

    QThread m_faden;
    Werk* m_werk;
    // The text now due; a text whose number is no longer this one is dropped or cut.
    std::atomic<int> m_nummer{0};
    // Set on the voice's thread once eSpeak has answered.
    std::atomic<bool> m_ohneStimme{false};
    std::function<void()> m_fertig;
};
