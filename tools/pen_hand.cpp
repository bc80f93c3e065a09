// pen-hand: makes a handwriting set from a person's real handwriting, one
// writer of the UJI Pen Characters data (data/uji-pen-characters/).
//
// Usage:  pen-hand [--data FILE] WRITER [output-path]
//   WRITER is W01 to W08. FILE is the data, by default the copy beside this
//   tool. With a path, the set is written to that file (created or replaced);
//   without one, to standard output. Exit status 0 when the produced bytes pass
//   every check, 1 when a check fails (nothing is written then), 2 on a usage,
//   data or file error.
//
// The glyphs keep every recorded point, in order, as one 10 ms sample each (the
// data holds no times; see pen/pen_hand.h). The moves between strokes, with the
// pen up, are not in the data: they are synthesized, with make-hand's own
// travel between strokes. Fixed seeds make the output byte-for-byte reproducible.

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "hand/set_text.h"
#include "pen/pen_hand.h"
#include "pen/uji_file.h"
#include "pen/writer_samples.h"

namespace {

int Usage() {
    std::fprintf(stderr, "usage: pen-hand [--data FILE] W01..W08 [output-path]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    const char* data = SPINDRIFT_PEN_DATA;
    int arg = 1;
    if (arg + 1 < argc && std::strcmp(argv[arg], "--data") == 0) {
        data = argv[arg + 1];
        arg += 2;
    }
    if (arg >= argc || argc - arg > 2 || (argc - arg == 2 && argv[arg + 1][0] == '-'))
        return Usage();
    const std::string writer = argv[arg];
    const char* output = argc - arg == 2 ? argv[arg + 1] : nullptr;

    std::ifstream in(data, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<pen::Record> records;
    std::string error;
    pen::SlotCharacters slots;
    if (!in || !pen::ReadUjiRecords(text, records, error) ||
        !pen::ChooseSamples(records, writer, slots, error)) {
        std::fprintf(stderr, "pen-hand: %s: %s\n", data,
                     error.empty() ? "cannot read" : error.c_str());
        return 2;
    }

    // The seed follows from the writer's number, so each hand moves in its own way.
    const pen::PenHand h = pen::MakePenHand(slots, 0x9E115EEDull + std::stoull(writer.substr(1)));
    std::vector<std::vector<hand::IPt>> glyphs(h.glyphs.begin(), h.glyphs.end());
    hand::SetShape shape;
    shape.bounds = {0, pen::kCellRight, 0, pen::kCellBottom};
    for (std::size_t slot = 0; slot < glyphs.size(); ++slot) {
        shape.points[slot] = static_cast<int>(glyphs[slot].size());
        for (std::size_t k = 1; k < glyphs[slot].size(); ++k)
            shape.pauses[slot] += glyphs[slot][k] == glyphs[slot][k - 1];
    }
    const std::string set = hand::FormatSet(glyphs);
    const hand::CheckReport report = hand::CheckSet(set, shape);
    std::fprintf(stderr, "pen-hand: %s, scale %.4f (letters %.4f), pen-up pace %.1f\n",
                 writer.c_str(), h.placements[0][0].scale, h.placements[11][0].scale, h.pace);
    hand::PrintReport("pen-hand", report, shape);
    if (!report.ok) return 1;
    return hand::WriteSet("pen-hand", output, set);
}
