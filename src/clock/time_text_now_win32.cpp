#include "app/settings.h"
#include "clock/time_text.h"
#include "platform/time.h"

std::string ClockTimeText() {
    const TimeOfDay now = LocalTimeOfDay();
    return FormatClockTime(ProgramSettings().ClockStyle.Get(), now.hour, now.minute);
}
