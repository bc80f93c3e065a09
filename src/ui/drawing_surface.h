#pragma once
// The one kind of picture control the program draws into: an owner-drawn
// STATIC that keeps its picture in an off-screen bitmap the size of its
// client area and paints itself from it, so a drawing survives being covered
// and can be made from a thread other than the window's.
//
// Used three times: the main window's trails colour field, the Character
// Creator's drawing area, and the picture filling a clock run's ink overlay.
//
// Each thread has one current surface; the drawing operations work on it, and
// do nothing while the thread has none (or its surface's window is gone).
// One lock per surface keeps two threads from drawing into one bitmap at once;
// painting the control takes it too. Showing a change copies that part of the
// bitmap straight to the control through its window DC, on whichever thread
// draws: it is on the screen before the call returns, and a drawing thread
// never waits for the window's thread (which may itself be waiting for it).
// WM_PAINT repaints from the bitmap whenever the control is uncovered.
//
// Coordinates: on a surface laid out in pixels a coordinate is a pixel; on a
// surface in a dialog laid out in dialog units a coordinate c becomes the pixel
// c x scale, rounded half to even, with scale = client pixels / (control size in
// dialog units + 1), held as float, fixed at creation and again whenever the
// surface is refitted to a new scale.
//
// Colours are 0x00BBGGRR. A drawing colour of -1 means the current foreground.
// SurfaceForeground(-1) means the system window-text colour;
// SurfaceBackground(-1) the system button-face colour, -2 a transparent text
// background.

#include <windows.h>

#include <string_view>

enum class SurfaceLayout { Pixels, DialogUnits };

inline constexpr int kCurrentColour = -1;

// Creates the control as child `id` of `parent` at the given rectangle, in the
// parent's units for `layout` (dialog units are converted with MapDialogRect,
// the corner and the size each, as the dialog manager places a control).
// Its style is WS_CHILD | WS_VISIBLE | SS_OWNERDRAW plus `style`: the overlay
// passes WS_TABSTOP, the drawing area WS_BORDER | SS_NOTIFY (a click then
// reaches the parent as WM_COMMAND with STN_CLICKED, a double click with
// STN_DBLCLK), and the colour field WS_TABSTOP as well: a tab stop reporting
// clicks also shows the focus and is clicked by Space or Enter. `name` is its
// window text, which it never paints: the name screen readers give it. The
// bitmap starts filled with the button-face colour, with "MS Sans Serif" 8 pt
// selected, the window-text foreground, an opaque background mode, pen width
// 1 and position (0, 0). Returns the control, or null on failure. The surface
// is released with its window.
HWND CreateDrawingSurface(HWND parent, int id, int x, int y, int width, int height, DWORD style,
                          SurfaceLayout layout, const char* name = "");

// Fits a surface to its control as it is now, after the window has been
// scaled to another DPI: a bitmap of the new client size showing the old
// picture stretched to it, the dialog-unit scale for that size, and the font
// made for the control's DPI. Does nothing when nothing changed.
void RefitDrawingSurface(HWND control);

// Makes control `id` of `window` the calling thread's drawing target.
// Unbuffered, every drawing operation shows its change on the screen before it
// returns; buffered, the screen changes only at SurfaceRefresh. The last
// attach decides.
void SurfaceAttach(HWND window, int id, bool buffered);
void SurfaceDetach();

void SurfaceClear(int colour = kCurrentColour);  // -1: the current background; position to (0, 0)
void SurfaceMoveTo(int x, int y);
void SurfaceLine(int x, int y, int colour = kCurrentColour);  // end pixel excluded, as LineTo
void SurfacePixel(int x, int y, int colour);                  // SetPixelV; position moves there
void SurfacePenWidth(int pixels);
void SurfaceForeground(int colour);
void SurfaceBackground(int colour);
// Draws text at the current position in the selected font, foreground and
// background mode; then moves to the start of the next text line.
void SurfacePrint(std::string_view text);
// Copies a block of another device context (a bitmap's, or the screen's) into
// this one (SRCCOPY). False when there is no target or the copy failed.
bool SurfaceCopy(HDC source, const RECT& sourceRect, POINT destination);
// Shows the whole bitmap on the screen before it returns.
void SurfaceRefresh();

// For tests: the colour of pixel (x, y) of a surface's bitmap, in pixels of
// the bitmap, read under the surface's lock; CLR_INVALID when `control` is not
// a live surface or the pixel lies outside it. And the bitmap's size.
COLORREF SurfaceBitmapPixel(HWND control, int x, int y);
SIZE SurfaceBitmapSize(HWND control);
