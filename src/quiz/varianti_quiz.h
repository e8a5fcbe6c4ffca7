// The two quizzes, in one table indexed by quiz: each one's window name, title and
// configuration (bank and answer captions). The window registry, the quiz window and its
// layout all read it.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "quiz/configurazione_quiz.h"

namespace kestrano {

enum class Quiz { Multipli, Sottomultipli };
inline constexpr std::size_t numeroQuiz = 2;

struct VarianteQuiz {
    std::string_view nome;    // the window's name
    std::string_view titolo;  // two blanks after the colon
    const ConfigurazioneQuiz& configurazione;
};

inline const std::array<VarianteQuiz, numeroQuiz> variantiQuiz{{
    {"FrmMultipli", "96 DOMANDE PER CONOSCERE LE MISURE DI LUNGHEZZA:  I MULTIPLI", configurazioneMultipli},
    {"FrmSottomultipli", "96 DOMANDE PER CONOSCERE LE MISURE DI LUNGHEZZA:  I SOTTOMULTIPLI",
     configurazioneSottomultipli},
}};

inline const VarianteQuiz& variante(Quiz q) {
    return variantiQuiz[static_cast<std::size_t>(q)];
}

}  // namespace kestrano
