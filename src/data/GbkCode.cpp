#include "GbkCode.h"

#include <iconv.h>

#include <stdexcept>

namespace tessarin::data {
namespace {

// One converter per thread, opened on first use: opening a converter costs far
// more than converting a character, and a converter must not be shared
// between threads.
class Utf8ToGbk {
public:
    Utf8ToGbk() : converter_(iconv_open("CP936", "UTF-8")) {
        if (converter_ == invalidConverter())
            throw std::runtime_error("The GBK (CP936) text converter is not available on this system.");
    }
    ~Utf8ToGbk() { iconv_close(converter_); }
    Utf8ToGbk(const Utf8ToGbk&) = delete;
    Utf8ToGbk& operator=(const Utf8ToGbk&) = delete;

    std::optional<unsigned> code(std::string_view character) {
        char* in = const_cast<char*>(character.data());
        std::size_t inLeft = character.size();
        char bytes[4];
        char* out = bytes;
        std::size_t outLeft = sizeof bytes;
        const bool converted = iconv(converter_, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1);
        // Back to the initial state, so that a failure cannot affect the next character.
        iconv(converter_, nullptr, nullptr, nullptr, nullptr);
        if (!converted || inLeft != 0)
            return std::nullopt;
        const auto first = static_cast<unsigned char>(bytes[0]);
        switch (out - bytes) {
        case 1:
            return first;
        case 2:
            return first * 256u + static_cast<unsigned char>(bytes[1]);
        default:
            return std::nullopt;
        }
    }

private:
    static iconv_t invalidConverter() { return reinterpret_cast<iconv_t>(-1); }

    iconv_t converter_;
};

} // namespace

std::optional<unsigned> gbkCode(std::string_view character) {
    thread_local Utf8ToGbk converter;
    return converter.code(character);
}

} // namespace tessarin::data
