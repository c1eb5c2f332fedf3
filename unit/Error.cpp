#include "unit/Error.h"

namespace tarnwick {

std::string ErrorBoxText(const std::string& message) {
    if (!message.empty() && message.back() == '.') return message;
    return message + ".";
}

}  // namespace tarnwick
