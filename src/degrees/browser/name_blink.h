#pragma once
// A chosen name blinks to catch the eye: on each tick of a 200 ms timer it shows on odd
// counts and is blank on even ones; after the ninth tick the timer stops with it shown.
namespace rumbelo::degrees {

struct BlinkTick {
    bool shown = true;
    bool stop = false;
};

class NameBlink {
  public:
    static constexpr int kTicks = 9;
    void start() { count_ = 0; }
    BlinkTick tick() {
        ++count_;
        return {count_ % 2 == 1, count_ >= kTicks};
    }

  private:
    int count_ = 0;
};

}  // namespace rumbelo::degrees
