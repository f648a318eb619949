#pragma once

#include <optional>
#include <string>

namespace plessard::macro::detail {

// The two ways fmt takes, open to tests that hold them against each other: the general one
// from the shortest decimal digits, and a fast one from the exact value that gives up
// (nullopt) where the two could differ.
[[nodiscard]] std::string fmt_from_shortest(float value);
[[nodiscard]] std::optional<std::string> fmt_exactly(float value);

}  // namespace plessard::macro::detail
