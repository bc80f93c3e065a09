#pragma once
// The main window's control identifiers. The Character Creator writes into
// the character set box by this id, so the numbers are fixed.

#include "state/program_state.h"

enum MainWindowControl : int {
    kClockStyleLabel = 2001,
    kClockStyleBox = 2002,
    kModifierBox = 2003,
    kShortcutLabel = 2004,
    kKeyBox = 2005,
    kCharacterSetLabel = 2008,
    kCharacterSetBox = kMainCharacterSetBox,
    kBrowseButton = 2011,
    kEditButton = 2013,
    kHeightBox = 2015,
    kHeightLabel = 2016,
    kSlowdownBox = 2017,
    kSlowdownLabel = 2018,
    kAccelerationBox = 2019,
    kAccelerationLabel = 2020,
    kTrailsCheckBox = 2021,
    kShowNowButton = 2022,
    kPreviewLabel = 2023,
    kPreview = 2024,
    kResetButton = 2026,
    kKillButton = 2027,
    kRule = 2028,
    kTrailsColorSwatch = 2031,
};

// The one-second timer that refreshes the preview.
inline constexpr int kPreviewTimerId = 2029;
