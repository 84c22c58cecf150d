#pragma once
// What the dream window needs from the window that opens it: the reader's
// birthday, read at the moment of the reading, today's date, and the sound
// that opens every reading. The main window provides both; the interface lives here so
// that the dream side needs nothing from the application above it.

namespace temparoka {

class DreamHost {
public:
    virtual double birthday() const = 0;
    // Today, as a date value: the day a kept dream reading was read.
    virtual double today() const = 0;
    // Starts the reading's sound; an error in it ends the reading.
    virtual void tonabspielen() = 0;

protected:
    ~DreamHost() = default;
};

}  // namespace temparoka
