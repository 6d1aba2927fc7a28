// What the admission-mark consultation does: entering from the degree menu, the community
// click, a new computation on every change of the question, a double click on a degree,
// the printout and the way back.
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>

#include "common/geography/geography.h"
#include "common/print/plain_printout.h"
#include "common/print/report_printing.h"
#include "common/program/assistant_return.h"
#include "common/program/program.h"
#include "common/qt_text.h"
#include "common/region_map/region_map.h"
#include "degrees/consultation/consultation_report.h"
#include "degrees/form/consultation_face.h"
#include "degrees/form/degree_face.h"
#include "degrees/form/degrees_form.h"

namespace rumbelo {

using namespace degrees;

void ConsultationFace::connectControls() {
    connect(form_.degreeFace().MenuCarUni2, &QPushButton::clicked, this, &ConsultationFace::enter);
    for (QLineEdit* digit : {MaskEdit1, MaskEdit2})
        connect(digit, &QLineEdit::textChanged, this, &ConsultationFace::compute);
    connect(listBachiL, &QComboBox::currentIndexChanged, this, &ConsultationFace::compute);
    connect(TrackDif, &QSlider::valueChanged, this, &ConsultationFace::TrackDifChange);
    connect(Listcon, &QListWidget::itemDoubleClicked, this, &ConsultationFace::ListconDblClick);
    connect(BotImprimirCon, &QPushButton::clicked, this, &ConsultationFace::BotImprimirConClick);
    connect(RetroConsultas, &QPushButton::clicked, this, &ConsultationFace::RetroConsultasClick);
}

void ConsultationFace::enter() {
    form_.helpSituation(9);
    active_ = true;
    form_.setActiveFace(this);
    for (QWidget* widget : std::initializer_list<QWidget*>{
             form_.degreeFace().PanelMenu, form_.PanelSel, form_.PanelSelTit, form_.ListSel})
        widget->hide();
    for (QWidget* widget : std::initializer_list<QWidget*>{form_.regionMap().mapa, panelconsulta,
                                                           RetroConsultas, Panelcon2, listBachiL})
        widget->show();
    panelconsulta->raise();
}

int ConsultationFace::mark() const {
    return consultationMark(fromQt(MaskEdit1->text()), fromQt(MaskEdit2->text()));
}

void ConsultationFace::communityClicked(int community) {
    const GeographyData& geo = form_.data().geography;
    community_ = community;
    PanelconsultaTit->setText(toQt(communityHint(geo, community)));
    places_ = region_map::universityPlaces(geo, community);
    form_.regionMap().selection().places = places_;
    compute();
}

void ConsultationFace::TrackDifChange(int position) {
    difficultyMoved_ = true;
    const DifficultyCaptions captions = difficultyCaptions(program_.texts(), true, position);
    LabelDificultad->setText(toQt(captions.label));
    LabelDificultad2->setText(toQt(captions.level));
    compute();
}

void ConsultationFace::compute() {
    const ConsultationQuery query{mark(), listBachiL->currentIndex(), TrackDif->value(), places_};
    result_ = consultDegrees(form_.data().degrees, form_.data().geography.places, query,
                             program_.texts());
    if (result_.outcome == ConsultationOutcome::Nothing) return;
    showRows();
}

void ConsultationFace::showRows() {
    Listcon->show();
    Listcon->clear();
    for (const auto& row : result_.rows.rows)
        Listcon->addItem(toQt(row));
    if (result_.outcome == ConsultationOutcome::MissingModality ||
        result_.outcome == ConsultationOutcome::MissingCommunity)
        return;
    for (int i = 0; i < Listcon->count(); ++i)
        if (isConsultationHeading(result_.rows.rows[static_cast<std::size_t>(i)]))
            Listcon->item(i)->setSelected(true);
    BotImprimirCon->show();
}

void ConsultationFace::ListconDblClick(QListWidgetItem* item) {
    const int degree = result_.rows.degreeAt(Listcon->row(item));
    if (degree == 0) return;  // a university heading or a message
    leave();
    form_.PanelSel->show();
    form_.degreeFace().openDegree(degree, false);
}

void ConsultationFace::BotImprimirConClick() {
    compute();
    const GeographyData& geo = form_.data().geography;
    const ConsultationAsked asked{
        program_.state().schoolName,
        fromQt(MaskEdit1->text()),
        fromQt(MaskEdit2->text()),
        fromQt(listBachiL->currentText()),
        community_ >= 1 ? geo.communities[community_] : std::string(),
        difficultyCaptions(program_.texts(), difficultyMoved_, TrackDif->value())};
    const PlainReport report = consultationReport(result_, asked, program_.texts());
    if (report.lines.empty()) return;
    ReportPrinter printer(program_.state().messages());
    if (!printer.askDialog(&form_)) return;
    printer.print(
        [&](PageCanvas& canvas) { return PrintPlain(canvas, report.lines, report.bold); });
}

void ConsultationFace::RetroConsultasClick() {
    form_.helpSituation(1);
    leave();
    form_.degreeFace().PanelMenu->show();
    // Outside the assistant the form stays on its menu.
    if (showAssistant(program_)) form_.hide();
}

void ConsultationFace::leave() {
    active_ = false;
    for (QWidget* widget : std::initializer_list<QWidget*>{
             form_.regionMap().mapa, panelconsulta, BotImprimirCon, RetroConsultas, Panelcon2})
        widget->hide();
    form_.setActiveFace(&form_.degreeFace());
}

}  // namespace rumbelo
