#include "JsonWriter.h"

#include <cassert>
#include <cstdio>
#include <ostream>

namespace tessarin::cli {

void JsonWriter::beforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    assert(levels_.empty() || !levels_.back().object);
    if (!levels_.empty()) {
        if (!levels_.back().empty)
            out_ << ',';
        levels_.back().empty = false;
    }
}

void JsonWriter::open(bool object, char bracket) {
    beforeValue();
    out_ << bracket;
    levels_.push_back({object, true});
}

void JsonWriter::close(bool object, char bracket) {
    assert(!levels_.empty() && levels_.back().object == object && !afterKey_);
    (void)object;
    levels_.pop_back();
    out_ << bracket;
}

void JsonWriter::beginObject() { open(true, '{'); }
void JsonWriter::endObject() { close(true, '}'); }
void JsonWriter::beginArray() { open(false, '['); }
void JsonWriter::endArray() { close(false, ']'); }

void JsonWriter::key(std::string_view name) {
    assert(!levels_.empty() && levels_.back().object && !afterKey_);
    if (!levels_.back().empty)
        out_ << ',';
    levels_.back().empty = false;
    quoted(name);
    out_ << ':';
    afterKey_ = true;
}

void JsonWriter::string(std::string_view text) {
    beforeValue();
    quoted(text);
}

void JsonWriter::number(long long value) {
    beforeValue();
    out_ << value;
}

void JsonWriter::boolean(bool value) {
    beforeValue();
    out_ << (value ? "true" : "false");
}

void JsonWriter::null() {
    beforeValue();
    out_ << "null";
}

void JsonWriter::quoted(std::string_view text) {
    out_ << '"';
    for (const char c : text) {
        switch (c) {
        case '"':
            out_ << "\\\"";
            break;
        case '\\':
            out_ << "\\\\";
            break;
        case '\b':
            out_ << "\\b";
            break;
        case '\f':
            out_ << "\\f";
            break;
        case '\n':
            out_ << "\\n";
            break;
        case '\r':
            out_ << "\\r";
            break;
        case '\t':
            out_ << "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                out_ << escaped;
            } else {
                out_ << c;
            }
        }
    }
    out_ << '"';
}

} // namespace tessarin::cli
