#pragma once

#include <cstddef>

namespace lumatik {

// Guards against hostile input. No school term comes near them; a term past
// them is answered with a message and the value 0 instead of exhausting the
// stack or the user's patience.
inline constexpr std::size_t kMaxTermLength = 10000;
inline constexpr int kMaxTermDepth = 1000;

inline constexpr const char* kTermTooLongMessage = "Term zu lang";
inline constexpr const char* kTermTooDeepMessage = "Term zu tief geschachtelt";

}  // namespace lumatik
