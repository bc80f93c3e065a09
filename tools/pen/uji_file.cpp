// Reading the UJI Pen Characters text format.

#include "pen/uji_file.h"

#include <sstream>

namespace pen {
namespace {

// The writer and session of a record name such as "trn_UJI_W01-02".
bool SplitName(const std::string& name, Record& r) {
    const std::size_t underscore = name.rfind('_');
    const std::size_t dash = name.rfind('-');
    if (underscore == std::string::npos || dash == std::string::npos || dash < underscore + 2)
        return false;
    r.writer = name.substr(underscore + 1, dash - underscore - 1);
    const std::string session = name.substr(dash + 1);
    if (session.empty() || session.find_first_not_of("0123456789") != std::string::npos)
        return false;
    r.session = std::stoi(session);
    return true;
}

// "POINTS n # x1 y1 ..." with exactly n pairs.
bool ReadStroke(const std::string& line, Stroke& stroke) {
    std::istringstream in(line);
    std::string keyword, hash;
    int count = 0;
    if (!(in >> keyword >> count >> hash) || keyword != "POINTS" || hash != "#" || count < 1)
        return false;
    hand::IPt p;
    while (in >> p.x >> p.y)
        stroke.push_back(p);
    return in.eof() && static_cast<int>(stroke.size()) == count;
}

} // namespace

bool ReadUjiRecords(std::string_view text, std::vector<Record>& records, std::string& error) {
    std::istringstream in{std::string(text)};
    std::string line;
    int number = 0;
    auto next = [&] {
        ++number;
        return static_cast<bool>(std::getline(in, line));
    };
    auto fail = [&](const char* what) {
        error = "line " + std::to_string(number) + ": " + what;
        return false;
    };
    while (next()) {
        std::istringstream words(line);
        std::string keyword;
        if (!(words >> keyword) || keyword.starts_with("//")) continue;
        Record r;
        std::string name;
        if (keyword != "WORD" || !(words >> r.character >> name) || !SplitName(name, r))
            return fail("not a WORD line naming a character, writer and session");
        std::string count;
        int strokes = 0;
        if (!next() || !(std::istringstream(line) >> count >> strokes) || count != "NUMSTROKES" ||
            strokes < 1)
            return fail("no NUMSTROKES line after the WORD line");
        for (int k = 0; k < strokes; ++k) {
            r.strokes.emplace_back();
            if (!next() || !ReadStroke(line, r.strokes.back()))
                return fail("not a POINTS line with as many points as it says");
        }
        records.push_back(std::move(r));
    }
    return true;
}

} // namespace pen
