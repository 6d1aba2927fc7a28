#include "vocational/certificates/form/certificates_form.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>

#include "common/print/report_printing.h"
#include "common/program/assistant_return.h"
#include "common/program/program.h"
#include "common/qt_text.h"
#include "common/sound/sound_cues.h"
#include "common/text/fixed_text.h"
#include "platform/shell.h"
#include "vocational/certificates/form/certificates_layout.h"
#include "vocational/certificates/listing/certificate_lists.h"
#include "vocational/certificates/listing/certificate_report.h"

namespace rumbelo {

using namespace certificates;
using namespace certificates::layout;

namespace {

// The public employment service's own web server.
constexpr char kEmploymentServiceHost[] = "www.sepe.es";
constexpr char kTrainingCentresPage[] = "/sggfo/formacion/centros.asp";

void fillRows(QListWidget* list, const std::vector<std::string>& rows, int itemHeight) {
    list->clear();
    for (const auto& row : rows) {
        auto* item = new QListWidgetItem(toQt(row), list);
        item->setSizeHint(QSize(list->width() - 4, itemHeight));
    }
}

void selectOnly(QListWidget* list, int row) {
    list->clearSelection();
    if (QListWidgetItem* item = list->item(row)) {
        list->setCurrentItem(item);
        item->setSelected(true);
    }
}

int rowAt(QListWidget* list, QPoint pos) {
    return list->indexAt(pos).row();
}

}  // namespace

std::string trainingCentresAddress() {
    return std::string("http://") + kEmploymentServiceHost + kTrainingCentresPage;
}

TCertifica::TCertifica(Program& program) : QWidget(nullptr), program_(program) {
    build();
}

TCertifica::~TCertifica() = default;

bool TCertifica::create() {
    if (!loadCertificateFiles(program_.state().files, files_)) return false;
    program_.state().tables.publish(files_);
    fillGroups();
    return true;
}

void TCertifica::fillGroups() {
    ListSelFp->clear();
    for (const auto& name : groupRows(files_)) {
        auto* item = new QListWidgetItem(toQt(name), ListSelFp);
        item->setSizeHint(QSize(ListSelFp->width() - 4, kGroupRowHeight));
    }
    ListSelFp->show();
}

void TCertifica::enterFromSceneDoor(int) {
    fromSecondary_ = false;
}

void TCertifica::enterFromAssistant(AssistantRequest) {
    fromSecondary_ = false;
}

void TCertifica::enterFromSecondary() {
    fromSecondary_ = true;
    show();
    raise();
}

// Every entry restarts the guide and sends the titles back to their starting places.
void TCertifica::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) activate();
}

void TCertifica::activate() {
    PanelSelTit0->show();
    PanelAyuda->show();
    for (QLabel* label : LabelAyu)
        label->clear();
    LabelTit1->move(PanelSelTit0->width(), LabelTit1->y());
    LabelTit2->move(PanelSelTit1->width(), LabelTit2->y());
    LabelTit3->move(PanelSelTit2->width() + 250, LabelTit3->y());
    TimerAyu.stop();
    guideTick_ = 0;
    TimerAyuda.start();
}

void TCertifica::TimerAyudaTimer() {
    const GuideStep step = certificateGuideStep(++guideTick_);
    if (step.finished) {
        TimerAyuda.stop();
        TimerAyu.start();
        return;
    }
    if (step.label >= 0)
        LabelAyu[static_cast<std::size_t>(step.label)]->setText(
            toQt(program_.texts().trimmed(step.text)));
    if (step.click) {
        Guide& guide = program_.guide();
        if (guide.sounds()) guide.sounds()->KeyClick(true);
        chica->setPixmap(QPixmap::fromImage(guide.showFrame(step.frame)));
    }
}

void TCertifica::TimerAyuTimer() {
    TitleSlide slide;
    const std::array<QLabel*, 3> titles{LabelTit1, LabelTit2, LabelTit3};
    const std::array<QFrame*, 3> panels{PanelSelTit0, PanelSelTit1, PanelSelTit2};
    for (std::size_t i = 0; i < 3; ++i) {
        slide.left[i] = titles[i]->x();
        slide.shown[i] = panels[i]->isVisible();
    }
    const bool more = slideTitles(slide);
    for (std::size_t i = 0; i < 3; ++i)
        titles[i]->move(slide.left[i], titles[i]->y());
    if (!more) TimerAyu.stop();
}

void TCertifica::ListSelFpMouseUp(int row) {
    if (row < 0 || row >= ListSelFp->count()) return;
    selectOnly(ListSelFp, row);
    browser_.clickGroup(row + 1);
    std::vector<std::string> rows;
    for (int line : browser_.families())
        rows.push_back(rowText(files_, line));
    ListSelFp->hide();
    PanelSelTit0->hide();
    PanelSelTit1->show();
    fillRows(ListTitFP, rows, kItemHeight);
    ListTitFP->resize(ListTitFP->width(), static_cast<int>(rows.size()) * kItemHeight + 4);
    ListTitFP->show();
    ListFPExpli->clear();
}

void TCertifica::showCertificates() {
    const int row = browser_.hoveredRow();
    std::vector<std::string> rows;
    for (int line : browser_.certificates())
        rows.push_back(rowText(files_, line));
    fillRows(ListFPExpli, rows, kItemHeight);
    const int height = static_cast<int>(rows.size()) * kItemHeight + 4;
    // Beside the family's row, lifted where a long list would run under the buttons.
    const int top = std::min(row * kItemHeight + ListTitFP->y(), kListsBottom - height);
    ListFPExpli->setGeometry(kCertificateLeft, top, kCertificateWidth, height);
    ListFPExpli->show();
    PanelSelTit2->move(PanelSelTit2->x(), top - PanelSelTit2->height() + 1);
    PanelSelTit2->show();
    selectOnly(ListTitFP, row);
}

void TCertifica::ListTitFPMouseMove(int row) {
    if (browser_.hoverFamily(row)) showCertificates();
}

void TCertifica::ListTitFPMouseUp(int row) {
    if (row < 0 || row >= ListTitFP->count()) return;
    const int listed = browser_.hoveredRow();
    browser_.clickFamily(row);
    if (browser_.hoveredRow() != listed) showCertificates();
    BotImprimir->show();
    BotInternet->show();
    selectOnly(ListTitFP, row);
}

void TCertifica::ListFPExpliMouseUp(int row) {
    if (!browser_.clickCertificate(row)) return;
    selectOnly(ListFPExpli, row);
    const CertificatePanel panel = certificatePanel(files_, browser_.chosenCertificate());
    LabelTitulo->setText(toQt(TrimRight(panel.title)));
    LabelRequisitos->setText(toQt(panel.requirements).trimmed());
    LabelHoras->setText(toQt(panel.hours).trimmed());
    LabelDes->setText(toQt(TrimRight(panel.description)));
    BotImprimir->show();
    BotInternet->show();
    PanelResul->show();
}

void TCertifica::BotRetrocederFPClick() {
    for (QWidget* widget : std::initializer_list<QWidget*>{PanelSelTit1, PanelSelTit2, ListTitFP,
                                                           ListFPExpli, BotImprimir, BotInternet})
        widget->hide();
    if (!ListSelFp->isVisible()) {
        browser_.backToGroups();
        ListSelFp->show();
        PanelSelTit0->show();
        return;
    }
    leave();
}

void TCertifica::leave() {
    PanelResul->hide();
    TimerAyuda.stop();
    TimerAyu.stop();
    hide();
    if (fromSecondary_) {
        fromSecondary_ = false;
        return;
    }
    showAssistantOrScene(program_);
}

void TCertifica::BotImprimirClick() {
    const CertificateReport report =
        certificateReport(files_, program_.texts(), browser_.certificates());
    if (report.lastLine < 0) return;
    ReportPrinter printer(program_.state().messages());
    if (!printer.askDialog(this)) return;
    PrintList(program_, printer, report.table, report.lastLine, false, 12, report.bold);
}

void TCertifica::BotInternetMouseUp() {
    if (!openWebAddress(trainingCentresAddress()))
        program_.state().messages().show("No se ha podido abrir el navegador.");
}

void TCertifica::closeEvent(QCloseEvent* event) {
    if (program_.terminateRequested()) {
        event->accept();
        return;
    }
    BotRetrocederFPClick();
    PanelResul->hide();
    TimerAyuda.stop();
    TimerAyu.stop();
    program_.showScene();
    event->accept();
}

bool TCertifica::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
        return QWidget::eventFilter(watched, event);
    const QPoint pos = static_cast<QMouseEvent*>(event)->position().toPoint();
    const bool up = type == QEvent::MouseButtonRelease;
    if (watched == ListSelFp->viewport()) {
        const int row = rowAt(ListSelFp, pos);
        if (up)
            ListSelFpMouseUp(row);
        else if (!browser_.hoverLock() && row >= 0)
            selectOnly(ListSelFp, row);
    } else if (watched == ListTitFP->viewport()) {
        if (up)
            ListTitFPMouseUp(rowAt(ListTitFP, pos));
        else
            ListTitFPMouseMove(rowAt(ListTitFP, pos));
    } else if (watched == ListFPExpli->viewport() && up) {
        ListFPExpliMouseUp(rowAt(ListFPExpli, pos));
    }
    return QWidget::eventFilter(watched, event);
}

QWidget* createCertificatesForm(Program& program) {
    auto* form = new TCertifica(program);
    form->create();
    return form;
}

}  // namespace rumbelo
