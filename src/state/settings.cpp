#include "state/settings.h"

#include <utility>

SettingsValues DefaultSettingsValues() {
    SettingsValues v;
    v.TrailsColor = 0;
    v.ClockStyle = "HH:MM (12hr)";
    v.ShortcutKeyModifiers = "Ctrl";
    v.ShortcutKey = "T";
    v.CharacterSet = "Default.set";
    v.MaxPixelHeight = 323;
    v.LeaveMouseTrails = 0;
    v.SlowdownFactor = 5;
    v.AccelerationFactor = 2;
    return v;
}

SharedString SharedText::Get() const {
    std::lock_guard lock(mutex_);
    return text_;
}

void SharedText::Set(SharedString text) {
    // The old text is released after the lock, so a reader never waits on a free.
    std::lock_guard lock(mutex_);
    std::swap(text_, text);
}

SettingsValues Settings::Snapshot() const {
    SettingsValues v;
    v.TrailsColor = TrailsColor.load();
    v.ClockStyle = ClockStyle.Get();
    v.ShortcutKeyModifiers = ShortcutKeyModifiers.Get();
    v.ShortcutKey = ShortcutKey.Get();
    v.CharacterSet = CharacterSet.Get();
    v.MaxPixelHeight = MaxPixelHeight.load();
    v.LeaveMouseTrails = LeaveMouseTrails.load();
    v.SlowdownFactor = SlowdownFactor.load();
    v.AccelerationFactor = AccelerationFactor.load();
    return v;
}

void Settings::Assign(const SettingsValues& v) {
    // The order in which the defaults have always been set.
    ClockStyle.Set(v.ClockStyle);
    ShortcutKeyModifiers.Set(v.ShortcutKeyModifiers);
    TrailsColor.store(v.TrailsColor);
    ShortcutKey.Set(v.ShortcutKey);
    CharacterSet.Set(v.CharacterSet);
    MaxPixelHeight.store(v.MaxPixelHeight);
    LeaveMouseTrails.store(v.LeaveMouseTrails);
    SlowdownFactor.store(v.SlowdownFactor);
    AccelerationFactor.store(v.AccelerationFactor);
}

Settings& ProgramSettings() {
    static Settings settings;
    return settings;
}

void SetDefaultSettings() { ProgramSettings().Assign(DefaultSettingsValues()); }
