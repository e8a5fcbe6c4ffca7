// Lookup and answer comparison over a question bank.
#include "content/domanda.h"

namespace kestrano {

const Domanda* trovaDomanda(const BancaDomande& banca, float numero) {
    for (const Domanda& d : banca)
        if (static_cast<float>(d.numero) == numero) return &d;
    return nullptr;
}

bool rispostaEsatta(std::string_view scelta, const Domanda& domanda) {
    return scelta == domanda.rispostaAttesa;
}

}  // namespace kestrano
