#include "state/settings.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

// A reader on another thread always sees one of the texts that were set,
// never a mix of two.
TEST(SettingsConcurrency, ReadersCopyWholeTextsWhileTheMainThreadReplacesThem) {
    Settings settings;
    const std::string a(200, 'a');
    const std::string b(3000, 'b');
    settings.ClockStyle.Set(a);
    std::atomic<bool> stop{false};
    std::atomic<int> bad{0};
    std::thread reader([&] {
        while (!stop.load()) {
            const SharedString seen = settings.ClockStyle.Get();
            if (seen != a && seen != b) ++bad;
            settings.MaxPixelHeight.load();
        }
    });
    for (int i = 0; i < 20000; ++i) {
        settings.ClockStyle.Set(i % 2 ? a : b);
        settings.MaxPixelHeight.store(i);
    }
    stop = true;
    reader.join();
    EXPECT_EQ(bad.load(), 0);
}

}  // namespace
