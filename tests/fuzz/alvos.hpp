// What the fuzzers feed their inputs to; the replay test feeds the same
// functions every input kept in the corpora.
#pragma once

#include <string_view>

namespace zidod {

// A ".tpo" file read by a fresh editor as at start-up, handlers included,
// and written back.
void ExercitarLeitorTpo(std::string_view bytes);

// A DXF drawing read by the CAD stand-in, and written back when it was read.
void ExercitarLeitorDxf(std::string_view bytes);

// One line of the automation messages decoded as a request and as a reply;
// what decodes is encoded again and must decode to the same.
void ExercitarProtocolo(std::string_view linha);

}  // namespace zidod
