#include "base/line_reader.h"

namespace {
constexpr char kEndOfFile = 26;
}

LineReader::LineReader(std::string_view bytes) : rest_(bytes) {
    const auto eof = rest_.find(kEndOfFile);
    if (eof != std::string_view::npos) rest_ = rest_.substr(0, eof);
}

bool LineReader::Next(std::string_view& line) {
    if (rest_.empty()) return false;
    const auto cr = rest_.find('\r');
    if (cr == std::string_view::npos) {
        line = rest_;
        rest_ = {};
        return true;
    }
    line = rest_.substr(0, cr);
    auto next = cr + 1;
    if (next < rest_.size() && rest_[next] == '\n') ++next;
    rest_ = rest_.substr(next);
    return true;
}
