#pragma once
// The one open Character Creator, and the path its messages take. Internal to
// src/charset.

#include <windows.h>

#include "charset/creator_window_win32.h"

// The open Creator, or null.
CreatorWindow* OpenCreator();
// Makes `creator` the open one; false when another is open already.
bool ClaimOpenCreator(CreatorWindow& creator);
void ReleaseOpenCreator();

// The open Creator's window once it is built, for other threads to ask about.
HWND OpenCreatorWindow();
void PublishOpenCreatorWindow(HWND window);

// A message of the window thread, through the Creator's keyboard table and
// dialog navigation when it is meant for the Creator, else dispatched plainly.
void DispatchCreatorMessage(CreatorWindow& creator, MSG& message);
