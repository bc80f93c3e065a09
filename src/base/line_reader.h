#pragma once
// Splits the bytes of a text file into lines the way every file of the program
// is read: a line ends at CR, and a LF directly after that CR belongs to the
// line end; a LF on its own does not end a line and stays in the text; a byte
// 26 (Ctrl-Z) ends the file; a last line without CR still counts.

#include <string_view>

class LineReader {
public:
    explicit LineReader(std::string_view bytes);

    // Gives the next line without its line end; false at the end of the file.
    bool Next(std::string_view& line);

private:
    std::string_view rest_;
};
