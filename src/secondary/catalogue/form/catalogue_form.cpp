#include "secondary/catalogue/form/catalogue_form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextEdit>

#include "common/dialog/aviso.h"
#include "common/print/report_printing.h"
#include "common/program/assistant_return.h"
#include "common/program/program.h"
#include "common/qt_text.h"
#include "common/text/cp1252.h"
#include "common/text/fixed_text.h"
#include "secondary/catalogue/core/catalogue_prints.h"
#include "secondary/catalogue/form/catalogue_layout.h"

namespace rumbelo {

using namespace catalogue;
using namespace catalogue::layout;

namespace {

constexpr int kHeadingPoints = 12;
constexpr int kLinePoints = 10;
constexpr int kShortPrintPoints = 12;

QString detailHtml(const std::vector<DetailLine>& lines, int correction) {
    QString html;
    for (const auto& line : lines) {
        const QString text = toQt(TrimRight(line.text)).toHtmlEscaped();
        html +=
            QStringLiteral(
                "<p style=\"margin:0; white-space:pre-wrap; color:%1; font-size:%2pt%3\">%4</p>")
                .arg(line.heading ? QStringLiteral("#006400") : QStringLiteral("#000000"))
                .arg((line.heading ? kHeadingPoints : kLinePoints) + correction)
                .arg(line.heading ? QStringLiteral("; font-weight:bold") : QString())
                .arg(text.isEmpty() ? QStringLiteral("&nbsp;") : text);
    }
    return html;
}

}  // namespace

TFormCat::TFormCat(Program& program) : QWidget(nullptr), program_(program) {
    build();
}

TFormCat::~TFormCat() = default;

bool TFormCat::create() {
    ProgramState& state = program_.state();
    if (state.staticScene) {
        if (const QScreen* screen = QApplication::primaryScreen())
            move(screen->geometry().center() - rect().center());
    }
    if (!loadCatalogueFiles(state.files, files_)) return false;
    findTables();
    if (state.abortFlag) return false;
    for (int p = 0; p < files_.familyCount(); ++p)
        new QListWidgetItem(toQt(files_.familyName(p)), ListFam);
    TimerAyu.start();
    return true;
}

void TFormCat::enterFromSceneDoor(int) {}

void TFormCat::enterFromAssistant(AssistantRequest) {}

void TFormCat::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous()) return;
    LabelAyu0->move(kSlidingLabelStart);
    TimerAyu.start();
}

void TFormCat::TimerAyuTimer() {
    LabelAyu0->move(LabelAyu0->x() - kSlideStep, LabelAyu0->y());
    if (LabelAyu0->x() <= kSlideStopLeft) TimerAyu.stop();
}

void TFormCat::ListFamClick(int position) {
    if (!sources_ || position < 0 || position >= files_.familyCount()) return;
    family_ = position;
    hideDetail();
    levels_ = familyLevels(*sources_, files_.familyKey(position));
    for (int level = 1; level <= kLevels; ++level) {
        QListWidget* list = ListCat[static_cast<std::size_t>(level - 1)];
        list->clear();
        for (const auto& entry : levels_.of(level))
            new QListWidgetItem(toQt(TrimRight(entry.text)), list);
    }
}

void TFormCat::ListCatClick(int level, int row) {
    if (!sources_ || level < 1 || level > kLevels) return;
    const auto& entries = levels_.of(level);
    if (row < 0 || row >= static_cast<int>(entries.size())) return;
    const Entry& entry = entries[static_cast<std::size_t>(row)];
    ListSel->setHtml(detailHtml(detailLines(*sources_, level, entry.row, levels_.key),
                                program_.state().largeFontsCorrection));
    placeDetail(level);
    ListSel->show();
    ListSel->raise();
    botcerrar->show();
    botcerrar->raise();
}

// Under the clicked list for the first three levels, right above it for the last two; kept
// within the frame.
void TFormCat::placeDetail(int level) {
    const QRect list = ListCat[static_cast<std::size_t>(level - 1)]->geometry();
    const int left = std::min(list.left(), 800 - kFrame - kDetail.width());
    const int top =
        level <= kMediumFp ? list.top() + list.height() : list.top() - 2 - kDetail.height();
    ListSel->move(left, top);
    const QRect panel = ListSel->geometry();
    // Inside the lower right corner, left of the scroll bar.
    const int scrollBar =
        ListSel->verticalScrollBar() ? ListSel->verticalScrollBar()->sizeHint().width() : 0;
    botcerrar->move(panel.right() - scrollBar - kCloseButton.width() - 2,
                    panel.bottom() - kCloseButton.height() - 2);
}

void TFormCat::hideDetail() {
    ListSel->hide();
    botcerrar->hide();
}

void TFormCat::botcerrarClick() {
    hideDetail();
}

void TFormCat::BotImprimirClick() {
    // Nothing to print before a family is chosen: the printout would have no family.
    if (!sources_ || !family_) return;
    TForm4* dialog = program_.dialog();
    if (!dialog) return;
    // The dialog puts its print panel away again when it closes.
    const int choice = dialog->askPrintChoice();
    if (choice == 0) return;
    const std::string name = files_.familyName(*family_);
    CataloguePrint print = choice == 1 ? shortPrint(*sources_, levels_, name)
                                       : detailedPrint(*sources_, levels_, name);
    if (!print.complete)
        program_.state().messages().show(utf8ToCp1252(
            "El catálogo de esta familia no cabe entero en una impresión: sale hasta donde cabe."));
    ReportPrinter printer(program_.state().messages());
    if (!printer.askDialog(this)) return;
    if (choice == 1)
        PrintList(program_, printer, print.table, print.lastLine, false, kShortPrintPoints,
                  print.bold);
    else
        PrintColumns(program_, printer, print.table, print.lastLine, true, print.bold);
}

void TFormCat::BotRetrocederClick() {
    leave();
    showAssistantOrScene(program_);
}

void TFormCat::leave() {
    hideDetail();
    TimerAyu.stop();
    hide();
}

void TFormCat::closeEvent(QCloseEvent* event) {
    if (program_.terminateRequested()) {
        event->accept();
        return;
    }
    leave();
    program_.showScene();
    event->accept();
}

QWidget* createCatalogueForm(Program& program) {
    auto* form = new TFormCat(program);
    form->create();
    return form;
}

}  // namespace rumbelo
