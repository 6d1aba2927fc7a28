// The animated scene's frame step: every sprite moved, then drawn into the 800x600 back
// buffer, and the signs' texts written over them, as the 33 ms frame timer does it.
// Pictures come from a built program folder: RUMBELO_BENCH_FOLDER, or the build's own.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QPainter>
#include <cstdlib>
#include <memory>

#include "common/texts/interface_texts.h"
#include "scene/rules/speed_class.h"
#include "scene/scene_text_painter.h"
#include "scene/sprites/drawing_surface.h"
#include "scene/sprites/painter_sprite_canvas.h"
#include "scene/sprites/sprite_pictures.h"
#include "scene/world/animated_world.h"

namespace {

using namespace rumbelo;

QString folder() {
    if (const char* f = std::getenv("RUMBELO_BENCH_FOLDER")) return QString::fromLocal8Bit(f);
    return QStringLiteral(RUMBELO_PROGRAM_DIR);
}

struct Scene {
    SpritePictures pictures;
    InterfaceTexts texts;
    std::unique_ptr<AnimatedWorld> world;
    std::unique_ptr<SceneTextPainter> signs;
    QImage back{800, 600, QImage::Format_RGB32};
    bool ok = false;

    Scene() {
        const QString dir = folder() + QLatin1Char('/');
        if (!pictures.load(dir + "segdxg1.DXG", dir + "flor.DXG", dir + "antorchaf.dxg")) return;
        for (int k = 1; k <= InterfaceTexts::kLastUsed; ++k)
            texts.set(k, "Texto " + std::to_string(k));
        world = std::make_unique<AnimatedWorld>(pictures, texts, 'F', speedClassFor(2500));
        signs = std::make_unique<SceneTextPainter>(signTexts(texts), QStringLiteral("Rumbelo"),
                                                   QStringLiteral("IES Miguel Hern\u00e1ndez"),
                                                   SceneTextStyle{Qt::yellow, Qt::blue, 0});
        ok = true;
    }

    void placeAt(double x, double y) {
        CharacterState& c = world->state().character;
        c.X = x;
        c.Y = y;
        c.roundPosition();
        c.dir = Directions{};
        c.dir.left = true;  // walking, so that the walk and its frames are part of the step
    }

    void frame(bool withTexts) {
        world->move();
        back.fill(Qt::black);
        {
            QPainter painter(&back);
            PainterSpriteCanvas canvas(painter, pictures, back.size());
            world->draw(canvas);
        }
        if (withTexts) {
            SurfaceCanvas canvas(back);
            signs->paint(canvas, *world);
        }
        world->finishFrame(400, 300);
    }
};

Scene& scene() {
    static Scene s;
    return s;
}

// Where the character stands: the entrance, the corridor with the three bottom doors, the
// top floor with its doors and the leave sign.
constexpr double kPlaces[][2] = {{60, 0}, {150, -620}, {820, -1250}};

void run(benchmark::State& state, bool withTexts) {
    Scene& s = scene();
    if (!s.ok) {
        state.SkipWithError("the program folder has no scene pictures");
        return;
    }
    const auto& place = kPlaces[state.range(0)];
    for (auto _ : state) {
        state.PauseTiming();
        s.placeAt(place[0], place[1]);
        state.ResumeTiming();
        s.frame(withTexts);
        benchmark::DoNotOptimize(s.back.constBits());
    }
}

void BM_FrameStepSprites(benchmark::State& state) {
    run(state, false);
}
void BM_FrameStepWithTexts(benchmark::State& state) {
    run(state, true);
}

BENCHMARK(BM_FrameStepSprites)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FrameStepWithTexts)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
