#pragma once
// The selection marker grows through "circ1".."circ6" and dies. Every marker on screen
// steps the one shared counter, so a new click restarts them all and they die together.
namespace rumbelo {

inline constexpr int kMarkerCounterStart = 10;

struct MarkerStep {
    int circle = 0;  // 1..6: show "circ<n>"; 0: keep the image
    bool dies = false;
};

// One step, each time a marker is drawn: counter 110, 120, ..., 160 shows circle 1..6; the
// counter grows by 5; at 170 the marker dies.
MarkerStep stepMarker(int& sharedCounter);

}  // namespace rumbelo
