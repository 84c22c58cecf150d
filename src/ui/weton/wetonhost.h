#pragma once
// What the weton window needs from the window that opens it: the reader's
// birthday and time of birth as the main window holds them, today's date,
// and the sound that opens every reading. The main window provides them;
// the interface lives here so that the horoscope side needs nothing from
// the application above it.

#include <optional>

namespace temparoka {

class WetonHost {
public:
    virtual double birthday() const = 0;
    // The time of birth as a fraction of the day; none while the reader has
    // said it is not known.
    virtual std::optional<double> knownTimeOfBirth() const = 0;
    // Today, as a date value.
    virtual double today() const = 0;
    // Starts the reading's sound; an error in it ends the reading.
    virtual void tonabspielen() = 0;

protected:
    ~WetonHost() = default;
};

}  // namespace temparoka
