#pragma once
// The nine settings a user can change, held once for the whole program.
//
// The main thread is the only writer. Clock runs read the record from their
// own threads at the moments their algorithm names, so every numeric field is
// a 32-bit atomic and every text field is replaced whole under a short lock:
// a reader always gets a complete copy, old or new.

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

// The settings as plain values: what the settings file holds.
struct SettingsValues {
    std::int32_t TrailsColor = 0;
    std::string ClockStyle;
    std::string ShortcutKeyModifiers;
    std::string ShortcutKey;
    std::string CharacterSet;
    std::int32_t MaxPixelHeight = 0;
    std::int32_t LeaveMouseTrails = 0;
    std::int32_t SlowdownFactor = 0;
    std::int32_t AccelerationFactor = 0;

    bool operator==(const SettingsValues&) const = default;
};

SettingsValues DefaultSettingsValues();

// A text that one thread replaces while others copy it.
class SharedText {
public:
    std::string Get() const;
    void Set(std::string text);

private:
    mutable std::mutex mutex_;
    std::string text_;
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
