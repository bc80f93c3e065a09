#pragma once
// The nine settings a user can change, held once for the whole program.
//
// The main thread is the only writer. Clock runs read the record from their
// own threads at the moments their algorithm names, so every numeric field is
// a 32-bit atomic and every text field is replaced whole under a short lock:
// a reader always gets a complete text, old or new. Texts are shared, not
// copied: a value of any size costs a pointer copy to read.

#include <atomic>
#include <cstdint>
#include <mutex>

#include "base/shared_string.h"

// The settings as plain values: what the settings file holds.
struct SettingsValues {
    std::int32_t TrailsColor = 0;
    SharedString ClockStyle;
    SharedString ShortcutKeyModifiers;
    SharedString ShortcutKey;
    SharedString CharacterSet;
    std::int32_t MaxPixelHeight = 0;
    std::int32_t LeaveMouseTrails = 0;
    std::int32_t SlowdownFactor = 0;
    std::int32_t AccelerationFactor = 0;

    bool operator==(const SettingsValues&) const = default;
};

SettingsValues DefaultSettingsValues();

// A text that one thread replaces while others read it.
class SharedText {
public:
    SharedString Get() const;
    void Set(SharedString text);

private:
    mutable std::mutex mutex_;
    SharedString text_;
};

struct Settings {
    std::atomic<std::int32_t> TrailsColor{0};
    SharedText ClockStyle;
    SharedText ShortcutKeyModifiers;
    SharedText ShortcutKey;
    SharedText CharacterSet;
    std::atomic<std::int32_t> MaxPixelHeight{0};
    std::atomic<std::int32_t> LeaveMouseTrails{0};
    std::atomic<std::int32_t> SlowdownFactor{0};
    std::atomic<std::int32_t> AccelerationFactor{0};

    SettingsValues Snapshot() const;
    void Assign(const SettingsValues& values);
};

// The program's one settings record.
Settings& ProgramSettings();

// Puts the defaults into the program's record. It writes no file and touches no
// window.
void SetDefaultSettings();
