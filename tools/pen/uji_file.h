#pragma once
// Reading the UJI Pen Characters text format: records of one character each,
// written by one writer in one session, as strokes of pen positions.
//
//   // a comment
//   WORD 3 trn_UJI_W01-01
//     NUMSTROKES 1
//     POINTS 52 # x1 y1 x2 y2 ...

#include <string>
#include <string_view>
#include <vector>

#include "hand/hand_path.h"

namespace pen {

// The pen's positions from pen down to pen up, in the writer's frame (100 units
// per millimetre, y downwards), in the order the tablet sampled them.
using Stroke = std::vector<hand::IPt>;
using Character = std::vector<Stroke>;

struct Record {
    std::string character; // "0", ":", "A", ...
    std::string writer;    // "W01": the name's part after the last '_', before '-'
    int session = 0;       // the number after the '-'
    Character strokes;
};

// Reads every record of `text`. On a line that breaks the format (a count that
// does not match, a missing stroke, a name without a session) it stops and
// names the line in `error`.
bool ReadUjiRecords(std::string_view text, std::vector<Record>& records, std::string& error);

} // namespace pen
