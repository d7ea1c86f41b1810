// The library's exports. They carry no handle, so the library holds its one box state.
#include "jnutl.h"

#include "Boxzustand.h"

#include <chrono>

namespace {
Boxzustand& zustand() {
    static Boxzustand box([] {
        using namespace std::chrono;
        return duration_cast<nanoseconds>(steady_clock::now().time_since_epoch()).count();
    });
    return box;
}
} // namespace

extern "C" {

int16_t InitBoxes() {
    return zustand().InitBoxes();
}

int16_t OpenBox(int32_t box, const int16_t* konfiguration) {
    return zustand().OpenBox(box, konfiguration);
}

int16_t RX_data(int32_t box, int32_t byte) {
    return zustand().RX_data(box, byte);
}

int16_t Get_Event(JnutlEreignis* ereignis) {
    return zustand().Get_Event(ereignis);
}

int32_t Get_TStamp(int32_t box) {
    return zustand().Get_TStamp(box);
}
}
