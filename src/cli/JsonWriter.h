#pragma once

#include <iosfwd>
#include <string_view>
#include <vector>

namespace tessarin::cli {

// Writes one JSON value to a stream, compactly, as it is built: objects and
// arrays are opened and closed, and the commas and colons between their
// members come by themselves. Strings are escaped as JSON wants (quote,
// backslash and every control character); other bytes, UTF-8 text among
// them, go out as they are. Misuse (a member without a key, a close without
// an open) is a programming error and asserted.
class JsonWriter {
public:
    explicit JsonWriter(std::ostream& out) : out_(out) {}

    void beginObject();
    void endObject();
    void beginArray();
    void endArray();
    // The name of the next member of the open object.
    void key(std::string_view name);

    void string(std::string_view text);
    void number(long long value);
    void boolean(bool value);
    void null();

    // A member of the open object: key and value at once.
    void field(std::string_view name, std::string_view text) {
        key(name);
        string(text);
    }
    void field(std::string_view name, long long value) {
        key(name);
        number(value);
    }

private:
    struct Level {
        bool object;
        bool empty;
    };
    // Puts the comma before a value where one is due.
    void beforeValue();
    void open(bool object, char bracket);
    void close(bool object, char bracket);
    void quoted(std::string_view text);

    std::ostream& out_;
    std::vector<Level> levels_;
    bool afterKey_ = false;
};

} // namespace tessarin::cli
