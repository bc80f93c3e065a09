#pragma once
// A text that is held once and shared: copying a SharedString copies a
// pointer, never the bytes. The bytes never change once made, so threads may
// read them while another thread puts a new SharedString in the old one's
// place. Settings values and glyph recordings can be hundreds of megabytes;
// this is what lets a timer tick, a clock run or a file write use them without
// a copy.

#include <memory>
#include <string>
#include <string_view>

class SharedString {
  public:
    SharedString() = default;
    // Takes the text over: a moved-in std::string is not copied.
    SharedString(std::string text) : text_(std::make_shared<const std::string>(std::move(text))) {}
    SharedString(const char* text) : SharedString(std::string(text)) {}
    // Shares a text that its owner no longer changes.
    explicit SharedString(std::shared_ptr<const std::string> text) : text_(std::move(text)) {}

    // The bytes stay valid as long as this SharedString (or a copy) holds them.
    const std::string& Str() const { return text_ ? *text_ : Empty(); }
    std::string_view View() const { return Str(); }
    operator std::string_view() const { return Str(); }
    const char* c_str() const { return Str().c_str(); }
    std::size_t size() const { return Str().size(); }
    bool empty() const { return Str().empty(); }

    friend bool operator==(const SharedString& a, const SharedString& b) {
        return a.View() == b.View();
    }
    friend bool operator==(const SharedString& a, std::string_view b) { return a.View() == b; }
    friend bool operator==(const SharedString& a, const std::string& b) { return a.View() == b; }
    friend bool operator==(const SharedString& a, const char* b) {
        return a.View() == std::string_view(b);
    }

  private:
    static const std::string& Empty() {
        static const std::string empty;
        return empty;
    }

    std::shared_ptr<const std::string> text_;
};
