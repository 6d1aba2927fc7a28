#include "sounds.h"

#include <QHash>
#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "key_value_file.h"
#include "paint_kit.h"

namespace rumbelo::art {
namespace {

constexpr double kPi = 3.14159265358979323846;

void putU16(QByteArray& out, unsigned v) {
    out.append(static_cast<char>(v & 0xff));
    out.append(static_cast<char>((v >> 8) & 0xff));
}
void putU32(QByteArray& out, quint32 v) {
    putU16(out, v & 0xffff);
    putU16(out, v >> 16);
}

// Scales the samples so that the loudest one reaches `peak`.
void normalise(std::vector<double>& samples, double peak) {
    double loudest = 0;
    for (double s : samples)
        loudest = std::max(loudest, std::abs(s));
    if (loudest > 0)
        for (double& s : samples)
            s *= peak / loudest;
}

// "C5", "F#4", "Bb3" -> frequency; "r" is a rest (0).
double noteFrequency(const QString& name, bool& ok) {
    ok = true;
    if (name == QLatin1String("r")) return 0;
    static const QHash<QChar, int> steps = {{'C', -9}, {'D', -7}, {'E', -5}, {'F', -4},
                                            {'G', -2}, {'A', 0},  {'B', 2}};
    if (name.size() < 2 || !steps.contains(name[0])) {
        ok = false;
        return 0;
    }
    int semitone = steps[name[0]];
    int at = 1;
    if (name[at] == '#')
        ++semitone, ++at;
    else if (name[at] == 'b')
        --semitone, ++at;
    const int octave = name.mid(at).toInt(&ok);
    if (!ok) return 0;
    return 440.0 * std::pow(2.0, (semitone + (octave - 4) * 12) / 12.0);
}

// One note of a voice, added into `out` from sample `start`.
void addNote(std::vector<double>& out, std::size_t start, double frequency, double seconds,
             const QString& voice, double volume) {
    if (frequency <= 0) return;
    const double ring = voice == QLatin1String("pluck") ? 0.35 : 0.9;
    const auto length = static_cast<std::size_t>((seconds + ring) * kSampleRate);
    if (out.size() < start + length) out.resize(start + length, 0.0);
    for (std::size_t i = 0; i < length; ++i) {
        const double t = double(i) / kSampleRate;
        const double attack = std::min(1.0, t / 0.006);
        double s = 0;
        if (voice == QLatin1String("bell")) {
            // Bell: a sine with a slightly inharmonic partial, long decay.
            s = std::sin(2 * kPi * frequency * t) +
                0.35 * std::sin(2 * kPi * frequency * 2.76 * t) * std::exp(-t * 6);
            s *= std::exp(-t * 3.2);
        } else if (voice == QLatin1String("marimba")) {
            s = std::sin(2 * kPi * frequency * t) +
                0.25 * std::sin(2 * kPi * frequency * 4 * t) * std::exp(-t * 30);
            s *= std::exp(-t * 7);
        } else if (voice == QLatin1String("pluck")) {
            s = std::sin(2 * kPi * frequency * t) + 0.5 * std::sin(2 * kPi * frequency * 2 * t) +
                0.2 * std::sin(2 * kPi * frequency * 3 * t);
            s *= std::exp(-t * 9);
        } else {  // "flute": soft sine with a little vibrato, held for the note's length
            const double vibrato = 1 + 0.004 * std::sin(2 * kPi * 5.5 * t);
            s = std::sin(2 * kPi * frequency * vibrato * t) +
                0.15 * std::sin(4 * kPi * frequency * vibrato * t);
            const double release = t > seconds ? std::exp(-(t - seconds) * 18) : 1;
            s *= release;
        }
        out[start + i] += volume * attack * s;
    }
}

struct Tune {
    double tempo = 120;
    QString voice = QStringLiteral("bell");
    QString bassVoice = QStringLiteral("pluck");
    QStringList melody, bass;
    QString sparkle = QStringLiteral("none");
};

Tune readTune(const QString& path) {
    Tune tune;
    readKeyValues(path, [&](int number, const QString& key, const QString& value) {
        if (key == QLatin1String("tempo")) {
            bool ok = false;
            tune.tempo = value.toDouble(&ok);
            if (!ok || tune.tempo < 40 || tune.tempo > 300)
                throw fileError(path, number, QStringLiteral("tempo is 40..300 beats a minute"));
        } else if (key == QLatin1String("voice")) {
            tune.voice = value;
        } else if (key == QLatin1String("bass.voice")) {
            tune.bassVoice = value;
        } else if (key == QLatin1String("melody")) {
            tune.melody += value.split(' ', Qt::SkipEmptyParts);
        } else if (key == QLatin1String("bass")) {
            tune.bass += value.split(' ', Qt::SkipEmptyParts);
        } else if (key == QLatin1String("sparkle")) {
            tune.sparkle = value;
        } else {
            throw fileError(path, number, QStringLiteral("unknown key \"%1\"").arg(key));
        }
    });
    static const QStringList voices = {"bell", "marimba", "pluck", "flute"};
    if (!voices.contains(tune.voice) || !voices.contains(tune.bassVoice))
        throw std::runtime_error(path.toStdString() + ": voice is bell, marimba, pluck or flute");
    if (tune.melody.isEmpty()) throw std::runtime_error(path.toStdString() + ": no melody");
    return tune;
}

// Plays "NOTE/DIV" tokens (DIV: 1 whole, 2 half, 4 quarter, 8 eighth; a dot adds half).
void playLine(std::vector<double>& out, const QStringList& tokens, const Tune& tune,
              const QString& voice, double volume, const QString& path) {
    const double beat = 60.0 / tune.tempo;
    double at = 0.15;
    for (const QString& token : tokens) {
        const qsizetype slash = token.indexOf('/');
        bool ok = slash > 0;
        const double frequency = ok ? noteFrequency(token.left(slash), ok) : 0;
        QString division = slash > 0 ? token.mid(slash + 1) : QString();
        const bool dotted = division.endsWith('.');
        if (dotted) division.chop(1);
        const int div = division.toInt();
        if (!ok || (div != 1 && div != 2 && div != 4 && div != 8 && div != 16))
            throw std::runtime_error(path.toStdString() + ": bad note \"" + token.toStdString() +
                                     "\" (write C5/4, F#4/8, r/2)");
        const double seconds = 4 * beat / div * (dotted ? 1.5 : 1);
        addNote(out, static_cast<std::size_t>(at * kSampleRate), frequency, seconds, voice, volume);
        at += seconds;
    }
}

// Little extra life under a tune: bird chirps (rising sweeps) or sleigh bells (noise ticks).
void addSparkle(std::vector<double>& out, const QString& kind, const QString& path) {
    if (kind == QLatin1String("none")) return;
    Random random(kind == QLatin1String("birds") ? 11 : 23);
    if (kind != QLatin1String("birds") && kind != QLatin1String("bells"))
        throw std::runtime_error(path.toStdString() + ": sparkle is none, birds or bells");
    const double seconds = double(out.size()) / kSampleRate;
    for (double at = 0.3; at < seconds - 0.4; at += random.range(0.25, 0.6)) {
        const auto start = static_cast<std::size_t>(at * kSampleRate);
        const auto length = static_cast<std::size_t>(0.09 * kSampleRate);
        const double base = random.range(2600, 3600);
        for (std::size_t i = 0; i < length && start + i < out.size(); ++i) {
            const double t = double(i) / kSampleRate;
            double s;
            if (kind == QLatin1String("birds")) {
                const double f = base + 9000 * t;
                s = std::sin(2 * kPi * f * t) * std::sin(kPi * t / 0.09);
            } else {
                s = (random.unit() * 2 - 1) * 0.5 * std::sin(2 * kPi * 5200 * t) *
                    std::exp(-t * 45);
            }
            out[start + i] += 0.08 * s;
        }
    }
}

}  // namespace

QByteArray waveFile(const std::vector<double>& samples) {
    QByteArray out("RIFF");
    const auto dataBytes = static_cast<quint32>(samples.size() * 2);
    putU32(out, 36 + dataBytes);
    out.append("WAVEfmt ");
    putU32(out, 16);
    putU16(out, 1);  // PCM
    putU16(out, 1);  // mono
    putU32(out, kSampleRate);
    putU32(out, kSampleRate * 2);
    putU16(out, 2);
    putU16(out, 16);
    out.append("data");
    putU32(out, dataBytes);
    for (double s : samples) {
        const auto v = static_cast<qint16>(std::lround(std::clamp(s, -1.0, 1.0) * 32767));
        putU16(out, static_cast<quint16>(v));
    }
    return out;
}

QByteArray keyClick() {
    const int length = kSampleRate * 35 / 1000;
    std::vector<double> samples(static_cast<std::size_t>(length));
    Random random(7);
    double previous = 0;
    for (int i = 0; i < length; ++i) {
        const double t = double(i) / kSampleRate;
        const double noise = random.unit() * 2 - 1;
        const double bright = noise - previous;  // a simple high-pass: a crisp tick
        previous = noise;
        samples[static_cast<std::size_t>(i)] =
            (0.5 * bright * std::exp(-t * 260) +
             0.6 * std::sin(2 * kPi * 1900 * t) * std::exp(-t * 160));
    }
    normalise(samples, 0.5);
    samples.back() = 0;
    return waveFile(samples);
}

QByteArray engineLoop() {
    // 0.8 s: the engine hum (45 Hz and harmonics) and the rotor's beat (10 Hz) all complete
    // whole cycles, and the noise is smoothed round the loop, so the end meets the start.
    const int length = kSampleRate * 8 / 10;
    std::vector<double> noise(static_cast<std::size_t>(length));
    Random random(3);
    for (double& n : noise)
        n = random.unit() * 2 - 1;
    std::vector<double> smooth(noise.size());
    double state = 0;
    for (int pass = 0; pass < 2; ++pass) {
        for (std::size_t i = 0; i < noise.size(); ++i) {
            state += 0.08 * (noise[i] - state);
            smooth[i] = state;
        }
    }
    std::vector<double> samples(static_cast<std::size_t>(length));
    for (int i = 0; i < length; ++i) {
        const double t = double(i) / kSampleRate;
        const double hum = std::sin(2 * kPi * 45 * t) + 0.5 * std::sin(2 * kPi * 90 * t) +
                           0.25 * std::sin(2 * kPi * 135 * t);
        const double rotor = 0.55 + 0.45 * std::pow(std::abs(std::sin(kPi * 10 * t)), 3);
        samples[static_cast<std::size_t>(i)] =
            (0.5 * hum + 1.6 * smooth[static_cast<std::size_t>(i)]) * rotor;
    }
    normalise(samples, 0.6);
    return waveFile(samples);
}

QByteArray introTune(const QString& tunePath) {
    const Tune tune = readTune(tunePath);
    std::vector<double> samples;
    playLine(samples, tune.melody, tune, tune.voice, 0.5, tunePath);
    if (!tune.bass.isEmpty()) playLine(samples, tune.bass, tune, tune.bassVoice, 0.3, tunePath);
    addSparkle(samples, tune.sparkle, tunePath);
    normalise(samples, 0.7);
    // Fade the last 50 ms so the tune ends without a click.
    const std::size_t fade = std::min<std::size_t>(samples.size(), kSampleRate / 20);
    for (std::size_t i = 0; i < fade; ++i)
        samples[samples.size() - 1 - i] *= double(i) / fade;
    return waveFile(samples);
}

}  // namespace rumbelo::art
