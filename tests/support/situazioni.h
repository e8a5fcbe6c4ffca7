// The five situations a quiz window can be in, told apart by what the pupil sees.
#pragma once

#include <optional>
#include <string>

namespace kestrano::test {

enum class Situazione { Aperta, InAttesa, Scelta, Verificata, Finita };

struct Quadro {
    bool risposteAbilitate;     // all seven enabled
    bool risposteDisabilitate;  // all seven disabled
    bool verifica, operazione, ricomincia, fine;
    std::string istruzione, esito;
};

inline std::optional<Situazione> classifica(const Quadro& q) {
    const bool esitoMostrato = q.esito == "E  s  a  t  t  o" || q.esito == "E  r  r  a  t  o";
    if (q.risposteAbilitate && !q.verifica && !q.operazione && !q.ricomincia && q.esito.empty() &&
        q.istruzione == "Clicca sul pulsante esatto")
        return q.fine ? Situazione::Aperta : Situazione::InAttesa;
    if (q.risposteAbilitate && q.verifica && !q.operazione && !q.ricomincia && !q.fine && q.esito.empty() &&
        q.istruzione == "Clicca sul pulsante Verifica")
        return Situazione::Scelta;
    if (q.risposteDisabilitate && !q.verifica && q.operazione && !q.ricomincia && !q.fine && esitoMostrato &&
        q.istruzione == "Clicca sul pulsante Visualizza nuova domanda")
        return Situazione::Verificata;
    if (q.risposteDisabilitate && q.verifica && !q.operazione && q.ricomincia && q.fine && esitoMostrato &&
        q.istruzione == "Clicca sul pulsante Verifica")
        return Situazione::Finita;
    return std::nullopt;
}

}  // namespace kestrano::test
