#pragma once

#include <stdexcept>
#include <string>

namespace tarnwick {

// A failure that ends the command that met it; the front end shows its
// message in the application's error box and the program goes on.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The text the application's error box shows: the message with a full stop
// added unless it already ends in one.
std::string ErrorBoxText(const std::string& message);

}  // namespace tarnwick
