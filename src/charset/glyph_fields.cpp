#include "charset/glyph_fields.h"

#include "base/number_text.h"

bool GlyphFieldReader::Next(double& value) {
    std::string_view field;
    if (!NextField(field)) return false;
    value = ParseNumber(field);
    return true;
}

bool GlyphFieldReader::NextField(std::string_view& field) {
    if (done_) return false;
    const std::size_t size = text_.size();
    std::size_t pos = pos_;
    while (pos < size && text_[pos] == ' ') ++pos;
    const std::size_t start = pos;
    if (pos < size && text_[pos] == '"') {
        const std::size_t close = text_.find('"', pos + 1);
        pos = close == std::string_view::npos ? size : close + 1;
    }
    const std::size_t comma = text_.find(',', pos);
    const std::size_t end = comma == std::string_view::npos ? size : comma;
    field = text_.substr(start, end - start);
    if (comma == std::string_view::npos)
        done_ = true;
    else
        pos_ = comma + 1;
    return true;
}

std::int64_t FieldCount(std::string_view text) {
    GlyphFieldReader reader(text);
    std::int64_t count = 0;
    for (std::string_view field; reader.NextField(field);) ++count;
    return count;
}

double FieldValue(std::string_view text, std::int64_t k) {
    GlyphFieldReader reader(text);
    double value = 0;
    for (std::int64_t i = 1; reader.Next(value); ++i)
        if (i == k) return value;
    return 0;
}

std::int64_t PointCount(std::string_view text) { return FieldCount(text) / 2; }

std::vector<double> GlyphFields(std::string_view text) {
    std::vector<double> values;
    GlyphFieldReader reader(text);
    for (double value; reader.Next(value);) values.push_back(value);
    return values;
}
