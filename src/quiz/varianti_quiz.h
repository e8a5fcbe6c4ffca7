// The two quizzes, in one table indexed by quiz: each one's title and configuration (bank and
// answer captions). The window registry, the quiz window and its layout all read it.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#include <type_traits>

#include "quiz/configurazione_quiz.h"

namespace kestrano {

enum class Quiz { Multipli, Sottomultipli };

// Each quiz's window name.
constexpr const char* nome(Quiz q) {
    switch (q) {
        case Quiz::Multipli:
            return "FrmMultipli";
        case Quiz::Sottomultipli:
            return "FrmSottomultipli";
    }
    return "";
}

struct VarianteQuiz {
    std::string_view titolo;  // two blanks after the colon
    const ConfigurazioneQuiz& configurazione;
};

// In the order of the quizzes.
inline const auto variantiQuiz = std::to_array<VarianteQuiz>({
    {"96 DOMANDE PER CONOSCERE LE MISURE DI LUNGHEZZA:  I MULTIPLI", configurazioneMultipli},
    {"96 DOMANDE PER CONOSCERE LE MISURE DI LUNGHEZZA:  I SOTTOMULTIPLI", configurazioneSottomultipli},
});
inline constexpr std::size_t numeroQuiz = std::tuple_size_v<std::remove_const_t<decltype(variantiQuiz)>>;
static_assert(numeroQuiz == contaValori<Quiz>(), "one row of the table for each quiz");

inline const VarianteQuiz& variante(Quiz q) {
    return variantiQuiz[indice(q)];
}

}  // namespace kestrano
