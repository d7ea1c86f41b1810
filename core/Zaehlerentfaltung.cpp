#include "Zaehlerentfaltung.h"

std::int64_t Zaehlerentfaltung::entfalten(std::int32_t zaehlerstand) {
    if (!m_letzter) {
        m_letzter = zaehlerstand;
        return *m_letzter;
    }
    // The step since the last reading, taken modulo 2^32 and read as signed.
    const auto schritt = static_cast<std::int32_t>(static_cast<std::uint32_t>(zaehlerstand) -
                                                   static_cast<std::uint32_t>(*m_letzter));
    *m_letzter += schritt;
    return *m_letzter;
}
