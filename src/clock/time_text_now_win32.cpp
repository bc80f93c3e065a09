#include "clock/time_text.h"
#include "platform/time.h"
#include "state/settings.h"

std::string ClockTimeText() {
    const TimeOfDay now = LocalTimeOfDay();
    // The style is shared, not copied: a value of any length costs nothing here.
    const SharedString style = ProgramSettings().ClockStyle.Get();
    return FormatClockTime(style.View(), now.hour, now.minute);
}
