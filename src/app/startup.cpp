#include <QApplication>
#include <QDir>
#include <QStyleFactory>
#include <functional>

#include "app/aviso.h"
#include "app/bienvenida.h"
#include "app/program.h"
#include "common/print/report_fonts.h"
#include "common/qt_text.h"
#include "degrees/form/degrees_form.h"
#include "scene/scene_form.h"

namespace rumbelo {

Program::Program(StartOptions options)
    : folder_(options.folder), params_(std::move(options.params)), showSplash_(options.splash) {
    MessageSink* messages = options.messages;
    if (!messages) {
        ownMessages_ = std::make_unique<MessageBoxSink>();
        messages = ownMessages_.get();
    }
    state_ = std::make_unique<ProgramState>(folder_.toStdString(), *messages);
    questions_ = options.questions;
    if (!questions_) {
        ownQuestions_ = std::make_unique<MessageBoxQuestions>(state_->texts);
        questions_ = ownQuestions_.get();
    }
    displayModes_ = options.displayModes ? std::move(options.displayModes) : makeDisplayModes();
}

Program::~Program() {
    // Forms go in the reverse order of their creation; the splash may already be gone.
    for (auto it = forms_.rbegin(); it != forms_.rend(); ++it)
        delete *it;
    delete splash_;
}

QString Program::path(const std::string& nameAsOpened) const {
    return QDir(folder_).filePath(toQt(nameAsOpened));
}

QWidget* Program::form(const QString& name) const {
    for (QWidget* form : forms_)
        if (form->objectName() == name) return form;
    return nullptr;
}

void Program::adopt(QWidget* form) {
    forms_.push_back(form);
}

void Program::closeSplash() {
    if (splash_) splash_->close();
}

void Program::requestTerminate() {
    terminateRequested_ = true;
    QCoreApplication::quit();
}

void Program::restoreDisplayMode() {
    auto& memo = state_->displayMode;
    if (!memo.changed) return;
    const DisplayMode remembered{memo.width, memo.height, memo.depth};
    if (const auto target = restoreTarget(remembered, displayModes_->listed())) {
        displayModes_->apply(*target);
        memo.changed = false;
    }
}

// The shared units' own start: the guide picture and the region grids. Either missing
// stops the start-up at the scene's creation.
void Program::startSharedUnits() {
    pictures_.guide = loadBitmap(path("chica.bmp"));
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

void Program::createForms() {
    const std::vector<FormStep> steps = {
        {"Tform0", 10, false, [](Program& p) { return createSceneForm(p); }},
        {"TForm6", -1, true, {}},
        {"TForm1", 20, true, [](Program& p) { return createDegreesForm(p); }},
        {"TForm2", 30, true, {}},
        {"TForm5", 40, false, {}},
        {"TForm3", 50, false, {}},
        {"TForm4", 60, false, [](Program& p) { return new TForm4(p); }},
        {"TFIniPro", 70, true, {}},
        {"TCertifica", 80, true, {}},
        {"Tprofe", 90, true, {}},
        {"TFormCat", 100, true, {}},
    };
    for (const auto& step : steps) {
        if (splash_ && step.progress >= 0) splash_->setProgress(step.progress);
        if (step.create) {
            QWidget* form = step.create(*this);
            adopt(form);
            if (auto* scene = qobject_cast<Tform0*>(form)) scene_ = scene;
            if (auto* dialog = qobject_cast<TForm4*>(form)) dialog_ = dialog;
        }
        if (step.checkAfter && state_->abortFlag) return;
    }
}

void Program::start() {
    startSharedUnits();
    state_->abortFlag = false;
    if (showSplash_) {
        splash_ = new TBienvenida(*this);
        splash_->show();
        splash_->repaint();
        if (pictures_.guide.isNull())
            state_->messages().show("Faltan ficheros. Vuelva a instalar Rumbelo");
    }
    createForms();
    if (!state_->abortFlag && scene_) scene_->show();
}

std::unique_ptr<Program> startProgram(StartOptions options) {
    auto program = std::make_unique<Program>(std::move(options));
    program->start();
    return program;
}

int runProgram(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rumbelo"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // Forms and reports name Windows fonts; the free metric twins stand in for them.
    installFontSubstitutions();
    StartOptions options;
    options.folder = QCoreApplication::applicationDirPath();
    QDir::setCurrent(options.folder);
    for (int i = 1; i < argc; ++i)
        options.params.emplace_back(argv[i]);
    auto program = startProgram(std::move(options));
    if (program->aborted() || program->terminateRequested()) return 1;
    return QApplication::exec();
}

}  // namespace rumbelo
