// The quiz window's layout table, shared by both variants but for the answer captions.
#pragma once

#include <span>

#include "quiz/varianti_quiz.h"
#include "ui/finestra_classica.h"
#include "ui/layout.h"

namespace kestrano {

// The controls of a quiz's window, its answer buttons captioned from the quiz's configuration.
std::span<const ui::DescrizioneControllo> layoutQuiz(Quiz quiz);
ui::DescrizioneFinestra finestraQuiz(Quiz quiz);

}  // namespace kestrano
