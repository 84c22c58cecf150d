// The soft gong strike played at the start of every reading.
#pragma once

#include <string>

namespace art {

// Writes the strike as 16-bit PCM WAV, 44100 Hz, mono; false and a reason on failure.
bool writeGong(const std::string& path, std::string& error);

}  // namespace art
