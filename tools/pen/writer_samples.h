#pragma once
// Which of a writer's recordings a hand is made from.

#include <string>
#include <string_view>
#include <vector>

#include "pen/pen_hand.h"
#include "pen/uji_file.h"

namespace pen {

// The writers the table knows, "W01" to "W08".
std::vector<std::string> KnownWriters();

// The slots' characters of `writer`, each the recording the table chooses;
// false, with the reason in `error`, for an unknown writer or a recording
// missing from `records`.
bool ChooseSamples(const std::vector<Record>& records, std::string_view writer,
                   SlotCharacters& slots, std::string& error);

} // namespace pen
