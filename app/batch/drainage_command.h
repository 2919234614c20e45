// "tervala-batch drainage": M and N of the alpha function of a drained field
// from Ka, Kb (m/day), D, U, L (m) and the porosity (percent), with the
// calculator's checks and messages, for engineers who script their designs.
#pragma once

#include <CLI/CLI.hpp>

namespace tervala {

void AddDrainageCommand(CLI::App& app);

}  // namespace tervala
