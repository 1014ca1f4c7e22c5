// What the fuzzers feed their inputs to; the replay test feeds the same
// functions every input kept in the corpora.
#pragma once

#include <string_view>

namespace zidod {

// A ".tpo" file read by a fresh editor as at start-up, handlers included,
// and written back.
void ExercitarLeitorTpo(std::string_view bytes);

}  // namespace zidod
