#pragma once
// Reading a glyph recording: the text of one set-file line, numbers separated
// by commas, read as x,y pairs. Fields 2j+1 and 2j+2 (counted from 1) are the
// x and y of point j (counted from 0).
//
// The field rules: fields are separated by commas; blanks before a field are
// skipped; a field that begins with a double quote runs to the next double
// quote, and a comma inside it does not separate. An empty text has one
// (empty) field. A field's value is the number at its start (ParseNumber); a
// field that holds no number, or one past the last, reads 0.
//
// Nothing in a text is rejected, and every value is a defined number: a number
// beyond the range of a double reads as plus or minus infinity (never NaN), and
// every consumer that turns a value into a pixel or a count saturates it with
// RoundHalfEven. Reading a text is linear in its length, however long its
// lines or numbers.

#include <cstdint>
#include <string_view>
#include <vector>

// Walks the fields of a text once, front to back. The text must outlive it.
class GlyphFieldReader {
public:
    explicit GlyphFieldReader(std::string_view text) : text_(text) {}

    // The value of the next field; false when every field has been read.
    bool Next(double& value);

    // The next field's text, from its first non-blank byte up to its comma:
    // for counting fields without converting them.
    bool NextField(std::string_view& field);

private:
    std::string_view text_;
    std::size_t pos_ = 0;
    bool done_ = false;
};

// The number of fields: separating commas plus one.
std::int64_t FieldCount(std::string_view text);

// The value of field k, counted from 1; 0 for a k outside the fields.
double FieldValue(std::string_view text, std::int64_t k);

// FieldCount divided by 2, rounded down.
std::int64_t PointCount(std::string_view text);

// Every field's value, read in one pass.
std::vector<double> GlyphFields(std::string_view text);
