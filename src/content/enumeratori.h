// How many values an enum has, counted by the compiler itself: a value counts while the
// compiler knows a name for it. Every enum of the program runs 0, 1, 2... without gaps, so a
// table kept in an enum's order can be checked against this count where it is written.
#pragma once

#include <cstddef>
#include <string_view>

namespace kestrano {

// GCC and Clang spell the template argument in the function's signature: by its enumerator's
// name ("... valore = kestrano::Unita::km]"), or as a cast where the value has none
// ("... valore = (kestrano::Unita)7]").
template <auto valore>
consteval bool haUnNome() {
    const std::string_view firma = __PRETTY_FUNCTION__;
    return firma[firma.rfind("= ") + 2] != '(';
}

template <typename Enum, std::size_t n = 0>
consteval std::size_t quantiValori() {
    if constexpr (n == 256 || !haUnNome<static_cast<Enum>(n)>())
        return n;
    else
        return quantiValori<Enum, n + 1>();
}

// The value as the index of its row in a table kept in the enum's order.
template <typename Enum>
constexpr std::size_t indice(Enum e) {
    return static_cast<std::size_t>(e);
}

// True when the table has one row for each value of the enum, in the enum's order; `chiave`
// reads the value a row stands for.
template <typename Enum, typename Tabella, typename Chiave>
consteval bool unaRigaPerValore(const Tabella& tabella, Chiave chiave) {
    if (tabella.size() != quantiValori<Enum>()) return false;
    for (std::size_t i = 0; i < tabella.size(); ++i)
        if (indice(chiave(tabella[i])) != i) return false;
    return true;
}

}  // namespace kestrano
