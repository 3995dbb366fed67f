#pragma once

namespace rovik {

class ValueLookup;

// The letters of the transmission's range, selected and attained, as the vehicle last
// reported them: the first character of PID 162 and of PID 163, whichever data link brought
// them. '?' until a report comes, and for a byte that is no printable character.
class TransmissionLetters {
public:
    static constexpr char kUnknown = '?';

    // Takes the letters reported since; true when they differ from those last drawn, so
    // the first call always asks for a paint.
    bool Update(const ValueLookup& values);
    // The current letters are on screen.
    void Drawn();

    char Selected() const { return selected; }
    char Attained() const { return attained; }

private:
    static void Take(const ValueLookup& values, unsigned pid, char& letter);

    char selected = kUnknown;
    char attained = kUnknown;
    char selectedDrawn = ' ';
    char attainedDrawn = ' ';
};

}  // namespace rovik
