// Which of a writer's recordings a hand is made from.

#include "pen/writer_samples.h"

#include <algorithm>
#include <array>

namespace pen {
namespace {

constexpr std::string_view kCharacters = "0123456789:AMP";

// Each writer recorded every character twice, in sessions 1 and 2. A hand uses
// the first unless it is faulty. The only fault seen is W04's second "9",
// which jumps a millimetre between two samples (676 1186 to 760 1219), so it is
// the first that serves there too.
struct Choice {
    std::string_view writer;
    std::string_view sessions; // one digit per character of kCharacters
};
constexpr std::array<Choice, 8> kChoices = {{
    //       0123456789:AMP
    {"W01", "11111111111111"},
    {"W02", "11111111111111"},
    {"W03", "11111111111111"},
    {"W04", "11111111111111"},
    {"W05", "11111111111111"},
    {"W06", "11111111111111"},
    {"W07", "11111111111111"},
    {"W08", "11111111111111"},
}};

const Character* Find(const std::vector<Record>& records, std::string_view writer, char character,
                      int session) {
    for (const Record& r : records)
        if (r.writer == writer && r.session == session && r.character == std::string(1, character))
            return &r.strokes;
    return nullptr;
}

} // namespace

std::vector<std::string> KnownWriters() {
    std::vector<std::string> names;
    for (const Choice& c : kChoices)
        names.emplace_back(c.writer);
    return names;
}

bool ChooseSamples(const std::vector<Record>& records, std::string_view writer,
                   SlotCharacters& slots, std::string& error) {
    const auto choice = std::find_if(kChoices.begin(), kChoices.end(),
                                     [&](const Choice& c) { return c.writer == writer; });
    if (choice == kChoices.end()) {
        error = "no writer " + std::string(writer) + " in the table of samples";
        return false;
    }
    for (std::size_t slot = 0; slot < kSlots; ++slot) {
        slots[slot].clear();
        for (const char* c = kSlotCharacters[slot]; *c; ++c) {
            const int session = choice->sessions[kCharacters.find(*c)] - '0';
            const Character* found = Find(records, writer, *c, session);
            if (!found) {
                error = "no \"" + std::string(1, *c) + "\" of " + std::string(writer) +
                        " session " + std::to_string(session) + " in the data";
                return false;
            }
            slots[slot].push_back(*found);
        }
    }
    return true;
}

} // namespace pen
