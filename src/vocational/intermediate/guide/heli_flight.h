#pragma once
// The helicopter guide's motion, Qt-free: the opening flight that carries the two menu
// buttons in along a looping path, the help flight along the bottom, the pilot's walk and
// the help line that slides in from the right.
namespace rumbelo::intermediate {

inline constexpr int kFlightTicks = 36;  // ticks of one button's flight
inline constexpr int kPilotFrames = 8;
inline constexpr int kPilotStepPixels = 10;
inline constexpr int kHelpFlightMoves = 9;
inline constexpr int kHelpFlightStep = 8;

// Nearest integer, halves to the even one.
int roundHalfEven(double v);

struct FlightStep {
    int x = 0, y = 0;     // the helicopter's left and the path's height at this tick
    int buttonLeft = 0;   // x - 200
    int buttonWidth = 0;  // grows to the design width at the last tick
    int buttonHeight = 0;
};

// Tick n (1..36) of the flight whose offset is c (0, then 20 more per button).
// designWidth is botLug2's, designHeight botTit2's.
FlightStep flightStep(int n, int c, int designWidth, int designHeight);

// The opening flight: phase 1 brings botTit2, phase 2 botLug2, phase 3 is over.
class OpeningFlight {
  public:
    struct Tick {
        int phase = 1;
        bool soundOn = false;  // the engine starts on the first tick of a phase
        bool arrived = false;  // the button's flight ended on this tick: stop, pilot out
        bool over = false;     // phase 3: stop and hide the helicopter
        FlightStep step;
    };

    void start() { phase_ = 1, n_ = 0, c_ = 0; }
    Tick tick(int designWidth, int designHeight);
    int phase() const { return phase_; }
    bool running() const { return phase_ < 3; }

  private:
    int phase_ = 3;
    int n_ = 0;
    int c_ = 0;
};

// The pilot's frame k (0..7) left edge from where the walk started.
inline int pilotLeft(int x0, int k) {
    return x0 + kPilotStepPixels * k;
}

// One 100 ms step of the help line: its new left edge and width, and where the small
// helicopter goes. `more` false once the line has arrived (left edge below 150).
struct HelpLineStep {
    int left = 0;
    int width = 0;
    int heliLeft = 0;
    bool more = true;
};
HelpLineStep slideHelpLine(int left, int formWidth);

}  // namespace rumbelo::intermediate
