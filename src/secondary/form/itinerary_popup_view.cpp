// The lists the picture buttons open: the pop-up with its opening effect, its close button
// and the blinking more-information button, what that button opens, and the itinerary
// printouts. The core builds every line and place.
#include <QListWidget>
#include <QPushButton>

#include "common/print/plain_printout.h"
#include "common/print/report_printer.h"
#include "common/program/program.h"
#include "common/program/secondary_handover.h"
#include "common/qt_text.h"
#include "common/text/fixed_text.h"
#include "secondary/form/itinerary_face.h"
#include "secondary/itineraries/itinerary_buttons.h"
#include "secondary/itineraries/itinerary_printouts.h"
#include "secondary/itineraries/more_information.h"

namespace rumbelo {

using namespace secondary;

namespace {

QRect toRect(const Box& b) {
    return QRect(b.left, b.top, b.width, b.height);
}

// The form that each kind of hand-over opens.
QString handoverForm(MoreInformation kind) {
    switch (kind) {
        case MoreInformation::Certificates:
            return QStringLiteral("TCertifica");
        case MoreInformation::InitialProgrammes:
            return QStringLiteral("TFIniPro");
        case MoreInformation::IntermediateFp:
            return QStringLiteral("TForm3");
        default:
            return {};
    }
}

// Frames of the opening effect shown per tick of its timer.
constexpr std::size_t kFramesPerTick = 4;

}  // namespace

bool ItineraryFace::sectionAvailable(int type) const {
    const QString name = handoverForm(moreInformation(type).kind);
    return !name.isEmpty() && dynamic_cast<OpenedFromSecondary*>(program_.form(name)) != nullptr;
}

void ItineraryFace::runAction(const ItineraryButton& b) {
    const InterfaceTexts& t = program_.texts();
    const int left = gridLeft(b.col), top = gridTop(b.row);
    switch (b.action) {
        case ButtonAction::PrintItinerary:
            mode_.closeList();  // a printout leaves no list open
            printItinerary(static_cast<int>(b.code));
            return;
        case ButtonAction::Information:
            showPopup(informationList(data_.information, static_cast<int>(b.code), t), b.type(),
                      left, top);
            return;
        case ButtonAction::Subjects:
            showPopup(subjectList(data_.subjects, listTitle(b.title, t), b.code), b.type(), left,
                      top);
            return;
    }
}

void ItineraryFace::showPopup(const ItemList& list, int type, int left, int top) {
    informationList_ = list.kind == ListKind::Information;
    List_Sel->clear();
    // The items go in once the list has its final width, so that each wraps to it.
    pendingItems_.clear();
    for (const std::string& item : informationList_ ? joinedParagraphs(list.items) : list.items)
        pendingItems_ << toQt(TrimRight(item));
    const bool offers = offersMoreInformation(
        type, informationList_, program_.state().assistantFlag, sectionAvailable(type));
    popup_ =
        popupLayout(left, top, tallPopup(list, type), offers, type, form_.width(), form_.height());
    lastButton_ = QPoint(left, top);
    botContextual->hide();
    BotCerrarV->hide();
    openingFrame_ = 0;
    List_Sel->raise();
    if (popup_.opening.empty()) {
        openingTick();
    } else {
        List_Sel->setGeometry(toRect(popup_.opening.front()));
        List_Sel->show();
        openingTimer_.start();
    }
}

void ItineraryFace::openingTick() {
    openingFrame_ += kFramesPerTick;
    if (openingFrame_ < popup_.opening.size()) {
        List_Sel->setGeometry(toRect(popup_.opening[openingFrame_]));
        return;
    }
    openingTimer_.stop();
    List_Sel->setGeometry(toRect(popup_.list));
    List_Sel->clear();
    // Each item as tall as its wrapped text, an empty one a line high.
    const QFontMetrics metrics(List_Sel->font());
    const int width = List_Sel->viewport()->width() - 8;
    for (const QString& text : pendingItems_) {
        auto* item = new QListWidgetItem(text, List_Sel);
        const int height =
            text.isEmpty()
                ? metrics.height()
                : metrics.boundingRect(0, 0, width, 10000, Qt::TextWordWrap, text).height();
        item->setSizeHint(QSize(width, height + 2));
    }
    List_Sel->show();
    List_Sel->raise();
    BotCerrarV->setGeometry(toRect(popup_.close));
    BotCerrarV->show();
    BotCerrarV->raise();
    if (popup_.offersMore) {
        botContextual->setGeometry(toRect(popup_.more));
        botContextual->show();
        botContextual->raise();
        blinkCount_ = 0;
        TimerParpadeo.start();
    }
}

void ItineraryFace::TimerParpadeoTimer() {
    const CaptionBlink blink = captionBlink(++blinkCount_);
    botContextual->setText(blink.shown ? toQt(program_.texts().trimmed(43)) : QString());
    if (blink.finished) {
        TimerParpadeo.stop();
        blinkCount_ = 0;
    }
}

void ItineraryFace::botContextualClick() {
    const int type = mode_.buttonType();
    const MoreInformationAction action = moreInformation(type);
    if (action.kind == MoreInformation::None) return;
    if (action.kind == MoreInformation::DegreeList) {
        // The pop-up gives way to the degree list; a list stays open for the mode.
        hidePopup();
        const InterfaceTexts& t = program_.texts();
        showPopup(degreeList(data_.degrees, data_.fpTitles, t.trimmed(action.title),
                             action.modality, false, t),
                  type, lastButton_.x(), lastButton_.y());
        return;
    }
    // The other section opens over this one, whose list stays open underneath.
    auto* section = dynamic_cast<OpenedFromSecondary*>(program_.form(handoverForm(action.kind)));
    if (section == nullptr) return;
    if (action.kind == MoreInformation::IntermediateFp) host_.handingOverToIntermediateFp();
    section->enterFromSecondary();
}

void ItineraryFace::printItinerary(int p) {
    const std::vector<std::string> lines =
        itineraryPrintout(p, data_, program_.state().schoolName, program_.texts());
    if (lines.empty()) return;
    ReportPrinter printer(program_.state().messages());
    if (!printer.askDialog(&form_)) return;
    printer.print([&](PageCanvas& canvas) { return PrintPlain(canvas, lines, 0); });
}

}  // namespace rumbelo
