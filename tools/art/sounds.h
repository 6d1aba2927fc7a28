#pragma once
// Sounds synthesised from sine waves and seeded noise under envelopes, written as 16-bit PCM
// mono WAV at 22050 Hz.
#include <QByteArray>
#include <QString>
#include <vector>

namespace rumbelo::art {

inline constexpr int kSampleRate = 22050;

// A RIFF WAVE file of the samples (each -1..1, clipped).
QByteArray waveFile(const std::vector<double>& samples);

QByteArray keyClick();    // "tecla.wav": a soft click of 35 ms, played while the guide talks
QByteArray engineLoop();  // "motor.wav": 0.8 s that loops seamlessly, under 40000 bytes
// The intro tune "inicio" of a wave list, from a tune file (art/sounds/*.tune).
// Throws std::runtime_error naming the file and line on a mistake.
QByteArray introTune(const QString& tunePath);

}  // namespace rumbelo::art
