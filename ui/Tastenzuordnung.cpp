#include "Tastenzuordnung.h"

Taste tasteVon(const QKeyEvent& ereignis) {
    if (ereignis.nativeScanCode() != 0 || ereignis.nativeVirtualKey() != 0) {
        if (const std::optional<Taste> ziffer =
                physischeZiffer(ereignis.nativeScanCode(), ereignis.nativeVirtualKey()))
            return *ziffer;
    } else if (!(ereignis.modifiers() & Qt::KeypadModifier)) {
        // Events made by a program carry no key numbers: take the characters that Shift
        // gives on the digit keys of German and US layouts ("&" is the German 6).
        switch (ereignis.key()) {
        case Qt::Key_1:
        case Qt::Key_Exclam: return Taste::Ziffer1;
        case Qt::Key_2:
        case Qt::Key_QuoteDbl:
        case Qt::Key_At: return Taste::Ziffer2;
        case Qt::Key_3:
        case Qt::Key_section:
        case Qt::Key_NumberSign: return Taste::Ziffer3;
        case Qt::Key_4:
        case Qt::Key_Dollar: return Taste::Ziffer4;
        case Qt::Key_5:
        case Qt::Key_Percent: return Taste::Ziffer5;
        case Qt::Key_6:
        case Qt::Key_Ampersand:
        case Qt::Key_AsciiCircum: return Taste::Ziffer6;
        case Qt::Key_7:
        case Qt::Key_Slash: return Taste::Ziffer7;
        case Qt::Key_8:
        case Qt::Key_ParenLeft:
        case Qt::Key_Asterisk: return Taste::Ziffer8;
        default: break;
        }
    }
    switch (ereignis.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return Taste::Enter;
    case Qt::Key_Space: return Taste::Leertaste;
    // The keys that type "+", "-" and "0", on the main keyboard or the keypad.
    case Qt::Key_Plus: return Taste::Plus;
    case Qt::Key_Minus: return Taste::Minus;
    case Qt::Key_0: return Taste::Ziffer0;
    case Qt::Key_A: return Taste::A;
    case Qt::Key_D: return Taste::D;
    case Qt::Key_M: return Taste::M;
    case Qt::Key_H: return Taste::H;
    case Qt::Key_O: return Taste::O;
    case Qt::Key_R: return Taste::R;
    case Qt::Key_I: return Taste::I;
    case Qt::Key_T: return Taste::T;
    case Qt::Key_V: return Taste::V;
    case Qt::Key_N: return Taste::N;
    case Qt::Key_Z: return Taste::Z;
    case Qt::Key_F1: return Taste::F1;
    case Qt::Key_F2: return Taste::F2;
    case Qt::Key_F3: return Taste::F3;
    case Qt::Key_F4: return Taste::F4;
    case Qt::Key_F5: return Taste::F5;
    case Qt::Key_F6: return Taste::F6;
    case Qt::Key_F7: return Taste::F7;
    case Qt::Key_F8: return Taste::F8;
    case Qt::Key_F11: return Taste::F11;
    case Qt::Key_Backspace: return Taste::Ruecktaste;
    default: return Taste::Andere;
    }
}

int umschaltungVon(Qt::KeyboardModifiers modifikatoren) {
    int umschaltung = 0;
    if (modifikatoren & Qt::ShiftModifier)
        umschaltung |= Umschaltung::Shift;
    if (modifikatoren & Qt::ControlModifier)
        umschaltung |= Umschaltung::Strg;
    if (modifikatoren & Qt::AltModifier)
        umschaltung |= Umschaltung::Alt;
    return umschaltung;
}

Tastenanschlaege::Ereignis anschlagVon(const QKeyEvent& ereignis) {
    const quint32 taste =
        ereignis.nativeScanCode() != 0 ? ereignis.nativeScanCode() : quint32(ereignis.key());
    return {taste, ereignis.timestamp(), ereignis.isAutoRepeat()};
}
