#pragma once

// The keypad's buttons after the ten digits, by their index in the group.
namespace tastierino {
inline constexpr int cancella = 10;
inline constexpr int verifica = 11;
inline constexpr int avanti = 12;
inline constexpr int esco = 13;
inline constexpr int numeroTasti = 14;
} // namespace tastierino
