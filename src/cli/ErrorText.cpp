#include "ErrorText.h"

namespace tessarin::cli {

std::string terminalLines(std::string_view message) {
    std::string lines;
    lines.reserve(message.size());
    for (std::size_t i = 0; i < message.size(); ++i) {
        if (message[i] != '\r')
            lines += message[i];
        else if (i + 1 == message.size() || message[i + 1] != '\n')
            lines += '\n';
    }
    return lines;
}

} // namespace tessarin::cli
