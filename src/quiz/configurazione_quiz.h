// What tells the two quiz engines apart: the bank and the captions of the seven answer buttons.
#pragma once

#include <array>
#include <string_view>

#include "content/banche.h"
#include "content/unita.h"
#include "quiz/vista_quiz.h"

namespace kestrano {

struct ConfigurazioneQuiz {
    const BancaDomande& banca;
    // Captions of Command2..Command8, which are also the answer texts the pupil can choose; a
    // list of another length does not convert.
    std::array<std::string_view, numeroPulsantiRisposta> didascalie;

    constexpr std::string_view didascalia(PulsanteRisposta p) const { return didascalie[indice(p)]; }
};

inline constexpr ConfigurazioneQuiz configurazioneMultipli{
    bancaMultipli, std::to_array<std::string_view>({"10", "100", "1000", simbolo(Unita::m), simbolo(Unita::dam),
                                                    simbolo(Unita::hm), simbolo(Unita::km)})};

inline constexpr ConfigurazioneQuiz configurazioneSottomultipli{
    bancaSottomultipli, std::to_array<std::string_view>({"10", "100", "1000", simbolo(Unita::mm), simbolo(Unita::cm),
                                                         simbolo(Unita::dm), simbolo(Unita::m)})};

}  // namespace kestrano
