#pragma once
// How a drawing surface turns drawing coordinates into pixels of its bitmap.
// A surface laid out in pixels uses coordinates as they are. A surface in a
// window laid out in dialog units scales each axis by its client size in
// pixels over its size in dialog units plus one, held as a float and fixed
// when the surface is made; coordinates then land close to dialog units.

#include <cstdint>

struct SurfaceScale {
    bool pixels = true;  // identity: no scaling at all, exact for any coordinate
    float x = 1;
    float y = 1;
};

SurfaceScale PixelScale();
SurfaceScale DialogUnitScale(int clientWidthPixels, int clientHeightPixels, int widthUnits,
                             int heightUnits);

// c x scale, rounded half to even; coordinates too large saturate.
std::int32_t ScaleX(const SurfaceScale& scale, std::int32_t c);
std::int32_t ScaleY(const SurfaceScale& scale, std::int32_t c);
