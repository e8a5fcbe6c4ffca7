// The quiz window's layout table, shared by both variants but for the answer captions.
#pragma once

#include <span>
#include <string_view>
#include <utility>

#include "quiz/motore_quiz.h"
#include "quiz/varianti_quiz.h"
#include "ui/finestra_classica.h"
#include "ui/layout.h"

namespace kestrano {

// The controls of a quiz's window, its answer buttons captioned from the quiz's configuration.
std::span<const ui::DescrizioneControllo> layoutQuiz(Quiz quiz);
ui::DescrizioneFinestra finestraQuiz(Quiz quiz);

// What a screen reader says for the outcomes, which are spaced out on screen.
inline constexpr std::pair<std::string_view, std::string_view> formeParlate[] = {{testoEsatto, "Esatto"},
                                                                                 {testoErrato, "Errato"}};
// The spoken form of a text the engine writes, or empty where the text speaks for itself.
constexpr std::string_view formaParlata(std::string_view testo) {
    for (const auto& [mostrato, parlato] : formeParlate)
        if (mostrato == testo) return parlato;
    return {};
}
// The frame's headings over the two times, as one reads them down their columns.
inline constexpr std::string_view parlatoTempoParziale = "Tempo parziale", parlatoTempoTotale = "Tempo totale";

}  // namespace kestrano
