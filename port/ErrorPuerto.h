#pragma once
// A port that cannot be opened, or an access to it that failed. The text is
// the whole message for the user, in Spanish, naming the device and the reason.

#include <stdexcept>
#include <string>

class CErrorPuerto : public std::runtime_error {
public:
    explicit CErrorPuerto(const std::string& mensaje) : std::runtime_error(mensaje) {}
};
