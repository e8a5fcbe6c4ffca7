// The seven units of length that the two quizzes drill, with their symbols and lengths.
// The symbol is the text an answer button carries and an answer key uses.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "content/enumeratori.h"

namespace kestrano {

enum class Unita { km, hm, dam, m, dm, cm, mm };

struct DatiUnita {
    Unita unita;
    std::string_view simbolo;
    double metri;  // length of one unit, in metres
};

// One row a unit, in the order of the enum.
inline constexpr auto tutteLeUnita = std::to_array<DatiUnita>({
    {Unita::km, "km", 1000.0},
    {Unita::hm, "hm", 100.0},
    {Unita::dam, "dam", 10.0},
    {Unita::m, "m", 1.0},
    {Unita::dm, "dm", 0.1},
    {Unita::cm, "cm", 0.01},
    {Unita::mm, "mm", 0.001},
});
static_assert(unaRigaPerValore<Unita>(tutteLeUnita, [](const DatiUnita& d) { return d.unita; }),
              "one row for each unit, in order");

constexpr const DatiUnita& datiUnita(Unita u) {
    return tutteLeUnita[static_cast<std::size_t>(u)];
}
constexpr std::string_view simbolo(Unita u) {
    return datiUnita(u).simbolo;
}
constexpr double metri(Unita u) {
    return datiUnita(u).metri;
}

// The unit whose symbol is exactly `testo` (case-sensitive), if any.
constexpr std::optional<Unita> unitaDaSimbolo(std::string_view testo) {
    for (const auto& d : tutteLeUnita)
        if (d.simbolo == testo) return d.unita;
    return std::nullopt;
}

}  // namespace kestrano
