// The platform's voice: says one text at a time, off the caller's thread, and tells when
// it is done. Without an audio device it stays silent and is done all the same; it never
// reports an error.
#pragma once

#include <QString>
#include <functional>

// How the voice speaks.
struct Sprechweise {
    int tempo = 0;       // words per minute
    int lautstaerke = 0; // percent of full volume
};

class Sprecher {
public:
    virtual ~Sprecher() = default;

    // Starts saying the text, cutting whatever is still being said, and returns at once.
    // `fertig` is called later on the caller's thread, from its event loop, once the text
    // has been said; never for a text that was cut.
    virtual void sprechen(const QString& text, const Sprechweise& weise,
                          std::function<void()> fertig) = 0;
    // Stops at once; nothing that was being said calls its `fertig`.
    virtual void verstummen() = 0;
    // Why nothing would be heard now, such as "Kein Audiogerät gefunden"; empty while the
    // voice can be heard.
    virtual QString warumStumm() const = 0;
};
