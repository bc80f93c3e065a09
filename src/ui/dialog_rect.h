#pragma once
// A rectangle in dialog units: what window templates and control tables are
// written in before the dialog's font turns them into pixels.

struct DialogRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};
