// The quiz window's layout table, shared by both variants but for the answer captions.
#pragma once

#include <span>

#include "quiz/configurazione_quiz.h"
#include "ui/finestra_classica.h"
#include "ui/layout.h"

namespace kestrano {

std::span<const ui::DescrizioneControllo> layoutQuiz(const ConfigurazioneQuiz& configurazione);
ui::DescrizioneFinestra finestraQuiz(std::string_view nome, std::string_view titolo);

}  // namespace kestrano
