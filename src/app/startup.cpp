#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFontDatabase>
#include <QStyleFactory>
#include <functional>
#include <thread>

#include "app/bienvenida.h"
#include "app/ready_watch.h"
#include "app/startup.h"
#include "common/dialog/aviso.h"
#include "common/print/report_fonts.h"
#include "common/qt_text.h"
#include "degrees/form/degrees_form.h"
#include "degrees/pasarela/form/pasarela_form.h"
#include "platform/huge_page_heap.h"
#include "professions/form/professions_form.h"
#include "scene/scene_form.h"
#include "secondary/assistant/form/assistant_form.h"
#include "secondary/catalogue/form/catalogue_form.h"
#include "secondary/form/secondary_form.h"
#include "vocational/certificates/form/certificates_form.h"
#include "vocational/initial/form/initial_form.h"
#include "vocational/intermediate/form/intermediate_form.h"

namespace rumbelo {

// The shared units' own start: the guide picture and the region grids. Either missing
// stops the start-up at the scene's creation.
void MainBlock::startSharedUnits() {
    pictures_.guide = loadBitmap(path("chica.bmp"));
    pictures_.ImageListIconos = loadIconList(path(kIconListFile));
    const auto grids = state_->files.read("puntos3");
    if (grids) state_->regions = RegionGrids::fromBytes(*grids);
    if (pictures_.guide.isNull() || !state_->regions) {
        state_->messages().show("Faltan ficheros. Vuelva a instalar Rumbelo");
        state_->sharedFilesFlag = true;
        state_->abortFlag = true;
    }
    pictures_.frameBitmap = QImage(56, 118, QImage::Format_ARGB32_Premultiplied);
    pictures_.frameBitmap.fill(Qt::transparent);
}

namespace {

struct FormStep {
    const char* name;
    int progress;  // -1 leaves the bar as it is
    bool checkAfter;
    std::function<QWidget*(Program&)> create;  // empty for a section not built yet
};

}  // namespace

void MainBlock::interfaceTextsReady() {
    degreesLoad_ = std::make_unique<degrees::DegreesDataLoad>(state_->files, state_->texts);
}

void MainBlock::createForms() {
    const std::vector<FormStep> steps = {
        {"Tform0", 10, false, [](Program& p) { return createSceneForm(p); }},
        {"TForm6", -1, true, [](Program& p) { return createBridgesForm(p); }},
        {"TForm1", 20, true,
         [this](Program& p) { return createDegreesForm(p, std::move(degreesLoad_)); }},
        {"TForm2", 30, true, [](Program& p) { return createSecondaryForm(p); }},
        {"TForm5", 40, false, [](Program& p) { return createAssistantForm(p); }},
        {"TForm3", 50, false, [](Program& p) { return createIntermediateForm(p); }},
        {"TForm4", 60, false, [](Program& p) { return new TForm4(p); }},
        {"TFIniPro", 70, true, [](Program& p) { return createInitialProgrammesForm(p); }},
        {"TCertifica", 80, true, [](Program& p) { return createCertificatesForm(p); }},
        {"Tprofe", 90, true, [](Program& p) { return createProfessionsForm(p); }},
        {"TFormCat", 100, true, [](Program& p) { return createCatalogueForm(p); }},
    };
    for (const auto& step : steps) {
        if (auto* splash = qobject_cast<TBienvenida*>(splash_); splash && step.progress >= 0)
            splash->setProgress(step.progress);
        if (step.create) {
            if (QWidget* form = step.create(*this)) adopt(form);
        }
        if (step.checkAfter && state_->abortFlag) return;
    }
}

void MainBlock::start() {
    startSharedUnits();
    state_->abortFlag = false;
    if (showSplash_) {
        auto* splash = new TBienvenida(*this);
        setSplash(splash);
        splash->show();
        splash->repaint();
        if (pictures_.guide.isNull())
            state_->messages().show("Faltan ficheros. Vuelva a instalar Rumbelo");
    }
    createForms();
    // Every widget made posted itself a polish request; the event loop would polish every
    // hidden form's widgets before the scene's first frame. A widget is polished anyway when
    // it is first shown or measured, so the hidden forms wait for that.
    QCoreApplication::removePostedEvents(nullptr, QEvent::PolishRequest);
    if (QWidget* sceneForm = scene(); !state_->abortFlag && sceneForm) sceneForm->show();
}

std::unique_ptr<Program> startProgram(StartOptions options) {
    auto program = std::make_unique<MainBlock>(std::move(options));
    program->start();
    return program;
}

int runProgram(int argc, char** argv) {
    backHeapWithHugePages();
    QApplication app(argc, argv);
    // Reading the system's fonts (fontconfig) is a tenth of the start-up: it runs on a thread
    // of its own while the shared units load; the first font used waits for it.
    std::jthread fontDatabase([] { QFontDatabase::families(); });
    QApplication::setApplicationName(QStringLiteral("Rumbelo"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // Forms and reports name Windows fonts; the free metric twins stand in for them.
    installFontSubstitutions();
    StartOptions options;
    options.folder = QCoreApplication::applicationDirPath();
    QDir::setCurrent(options.folder);
    for (int i = 1; i < argc; ++i)
        options.params.emplace_back(argv[i]);
    UnattendedQuestions unattendedQuestions;
    StderrMessages stderrMessages;
    const bool quitWhenReady = quitWhenReadyRequested();
    if (quitWhenReady) {
        options.questions = &unattendedQuestions;
        options.messages = &stderrMessages;
    }
    auto program = startProgram(std::move(options));
    if (program->aborted() || program->terminateRequested()) return 1;
    std::unique_ptr<ReadyWatch> readyWatch;
    if (quitWhenReady) readyWatch = std::make_unique<ReadyWatch>(*program);
    return QApplication::exec();
}

}  // namespace rumbelo
