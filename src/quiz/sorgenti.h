// Where the quiz engines take the time and their draws from: one clock for both, and each
// quiz's own generator. Whoever makes the windows hands them over.
#pragma once

#include <array>

#include "quiz/generatore_casuale.h"
#include "quiz/orologio.h"
#include "quiz/varianti_quiz.h"

namespace kestrano {

class Sorgenti {
public:
    virtual ~Sorgenti() = default;
    virtual Orologio& orologio() = 0;
    virtual GeneratoreCasuale& generatore(Quiz q) = 0;
};

// The program's own: the system's clock and a split-mix generator for each quiz.
class SorgentiDiSistema final : public Sorgenti {
public:
    Orologio& orologio() override { return orologio_; }
    GeneratoreCasuale& generatore(Quiz q) override { return generatori_[indice(q)]; }

private:
    OrologioDiSistema orologio_;
    std::array<GeneratoreSplitMix, numeroQuiz> generatori_;
};

}  // namespace kestrano
