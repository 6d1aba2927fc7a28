// The diagram's life in the form: building it up, showing its buttons, the space game and
// the way back. The lists the buttons open are in itinerary_popup_view.cpp.
#include "secondary/form/itinerary_face.h"

#include <QEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>

#include "common/dialog/aviso.h"
#include "common/program/program.h"
#include "common/qt_text.h"
#include "platform/shell.h"
#include "secondary/itineraries/itinerary_buttons.h"
#include "secondary/itineraries/itinerary_help.h"

namespace rumbelo {

using namespace secondary;

namespace {

// The game button stands right of the diagram, where no route runs.
constexpr QRect kGameButton{616, 40, 164, 58};

// A caption too long for one line breaks at the blank nearest its middle.
QString twoLines(const QString& text) {
    const int middle = text.size() / 2;
    int best = -1;
    for (int i = 0; i < text.size(); ++i)
        if (text[i] == QLatin1Char(' ') &&
            (best < 0 || std::abs(i - middle) < std::abs(best - middle)))
            best = i;
    if (best < 0) return text;
    QString out = text;
    out[best] = QLatin1Char('\n');
    return out;
}

}  // namespace

ItineraryFace::ItineraryFace(QWidget& form, Program& program, const SecondaryData& data,
                             ItineraryHost& host)
    : QObject(&form),
      form_(form),
      program_(program),
      data_(data),
      host_(host),
      buttons_{&b1,       &B2,       &BitBtn3,  &BitBtn4,  &BitBtn5,  &BitBtn6,  &BitBtn7,
               &BitBtn2,  &BitBtn8,  &BitBtn9,  &BitBtn10, &BitBtn11, &BitBtn12, &BitBtn13,
               &BitBtn14, &BitBtn15, &BitBtn16, &BitBtn17, &BitBtn18, &BitBtn19, &BitBtn20,
               &BitBtn21, &BitBtn22, &BitBtn23, &BitBtn24, &BitBtn25, &BitBtn26, &BitBtn27,
               &BitBtn28, &BitBtn29, &BitBtn30, &BitBtn31, &BitBtn32, &BitBtn33, &BitBtn34,
               &BitBtn35, &BitBtn36, &BitBtn37, &BitBtn38, &BitBtn39, &BitBtn40, &BitBtn41,
               &BitBtn42, &BitBtn43, &BitBtn44, &BitBtn48, &BitBtn45, &BitBtn46, &B47,
               &b48} {
    build();
    applyCaptions();
    form_.installEventFilter(this);
}

void ItineraryFace::build() {
    canvas = new ItineraryCanvas(program_.texts(), program_.state().largeFontsCorrection, &form_);
    connect(canvas, &ItineraryCanvas::pressed, this, &ItineraryFace::advance);
    for (int i = 1; i <= kItineraryButtons + 1; ++i) {
        const bool used = i <= kItineraryButtons;
        auto* b = new DiagramStopButton(
            used ? itineraryButton(i).action : ButtonAction::Information, &form_);
        b->setObjectName(used ? QString::fromLatin1(itineraryButton(i).name)
                              : QStringLiteral("b48"));
        if (used) {
            b->move(gridLeft(itineraryButton(i).col), gridTop(itineraryButton(i).row));
            connect(b, &QAbstractButton::clicked, this, [this, i] { pictureButtonClick(i); });
        }
        b->hide();
        *buttons_[static_cast<std::size_t>(i - 1)] = b;
    }
    List_Sel = new QListWidget(&form_);
    List_Sel->setObjectName(QStringLiteral("List_Sel"));
    List_Sel->setWordWrap(true);
    List_Sel->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    List_Sel->setFrameShape(QFrame::Box);
    const QColor dialog = toQColor(fixed_colours::kDialog);
    List_Sel->setStyleSheet(
        QStringLiteral("QListWidget#List_Sel { background: %1; color: black;"
                       " border: 2px solid #800000; padding-bottom: 24px; }"
                       "QListWidget#List_Sel::item { padding: 0px; }"
                       "QListWidget#List_Sel::item:selected { background: #f0c890; color: black; }")
            .arg(dialog.name()));
    QFont listFont(QStringLiteral("Times New Roman"));
    listFont.setPointSize(11 + program_.state().largeFontsCorrection);
    List_Sel->setFont(listFont);
    List_Sel->hide();
    BotCerrarV = new QPushButton(&form_);
    BotCerrarV->setObjectName(QStringLiteral("BotCerrarV"));
    connect(BotCerrarV, &QPushButton::clicked, this, &ItineraryFace::BotCerrarVClick);
    botContextual = new QPushButton(&form_);
    botContextual->setObjectName(QStringLiteral("botContextual"));
    botContextual->setStyleSheet(
        QStringLiteral("QPushButton#botContextual { color: navy; font-weight: bold; }"
                       "QPushButton#botContextual:hover { color: maroon; }"));
    connect(botContextual, &QPushButton::clicked, this, &ItineraryFace::botContextualClick);
    BotBachEsp = new QPushButton(&form_);
    BotBachEsp->setObjectName(QStringLiteral("BotBachEsp"));
    BotBachEsp->setGeometry(kGameButton);
    connect(BotBachEsp, &QPushButton::clicked, this, &ItineraryFace::BotBachEspClick);
    for (QPushButton* b : {BotCerrarV, botContextual, BotBachEsp}) {
        b->setCursor(Qt::PointingHandCursor);
        b->hide();
    }
    TimerParpadeo.setObjectName(QStringLiteral("TimerParpadeo"));
    TimerParpadeo.setInterval(200);
    connect(&TimerParpadeo, &QTimer::timeout, this, &ItineraryFace::TimerParpadeoTimer);
    openingTimer_.setInterval(10);
    connect(&openingTimer_, &QTimer::timeout, this, &ItineraryFace::openingTick);
}

void ItineraryFace::applyCaptions() {
    const InterfaceTexts& t = program_.texts();
    for (const ItineraryButton& b : itineraryButtons())
        button(b.index)->setToolTip(toQt(buttonHint(b, t)));
    BotBachEsp->setText(twoLines(toQt(t.trimmed(226))));
    BotBachEsp->setToolTip(toQt(t.trimmed(270)));
    botContextual->setText(toQt(t.trimmed(43)));
    BotCerrarV->setText(toQt(t.trimmed(13)));
}

void ItineraryFace::watchPresses(QWidget* widget) {
    if (widget != nullptr) widget->installEventFilter(this);
}

void ItineraryFace::startHelp(int set) {
    if (const auto lines = itineraryHelpSet(set)) host_.startItineraryHelp(*lines);
}

void ItineraryFace::BotItinerariosClick() {
    host_.itineraryStarted();
    canvas->raise();
    for (int i = 1; i <= kItineraryButtons; ++i)
        button(i)->raise();
    step(mode_.enter());
}

void ItineraryFace::advance() {
    if (mode_.animating()) {
        step(mode_.advance());
    } else if (mode_.listOpen()) {
        closeList();
    }
}

void ItineraryFace::step(const Advance& advance) {
    if (advance.helpSet != 0 && !advance.showButtons) startHelp(advance.helpSet);
    if (advance.drawn >= 0) canvas->showUpTo(advance.drawn);
    if (advance.drawn == kLastDrawingStep && !program_.state().staticScene) {
        BotBachEsp->show();
        BotBachEsp->raise();
    }
    if (advance.showButtons) showButtons();
}

void ItineraryFace::showButtons() {
    canvas->showUpTo(mode_.paintedUpTo());
    for (int i = 1; i <= kItineraryButtons; ++i) {
        DiagramStopButton* b = button(i);
        b->move(gridLeft(itineraryButton(i).col), gridTop(itineraryButton(i).row));
        b->show();
        b->raise();
    }
    host_.itineraryButtonsShown();
    startHelp(22);
}

void ItineraryFace::hidePopup() {
    openingTimer_.stop();
    TimerParpadeo.stop();
    blinkCount_ = 0;
    List_Sel->hide();
    botContextual->hide();
    BotCerrarV->hide();
}

void ItineraryFace::closeList() {
    hidePopup();
    mode_.closeList();
}

bool ItineraryFace::closeOnEscape() {
    if (!mode_.listOpen()) return false;
    closeList();
    return true;
}

void ItineraryFace::pictureButtonClick(int index) {
    switch (mode_.buttonClicked(index)) {
        case ButtonClick::Ignored:
            return;
        case ButtonClick::ClosedList:
            closeList();
            return;
        case ButtonClick::Opens:
            runAction(itineraryButton(index));
            return;
    }
}

void ItineraryFace::BotCerrarVClick() {
    closeList();
}

// The game is a program of its own beside this one; only that file of the program folder is
// ever started, and its absence is told rather than failing silently.
void ItineraryFace::BotBachEspClick() {
    TForm4* dialog = program_.dialog();
    if (mode_.gameClicked() == GameClick::Play) {
        if (openProgramFile(kSpaceGameFile)) return;
        const QString missing =
            QStringLiteral("El juego del viaje espacial no está instalado en este ordenador.");
        const QString where = QStringLiteral("Falta el programa «%1» en la carpeta del programa.")
                                  .arg(QString::fromLatin1(kSpaceGameFile));
        if (dialog != nullptr)
            dialog->notice(missing, where);
        else
            program_.state().messages().show(fromQt(missing + QLatin1Char(' ') + where));
        return;
    }
    const InterfaceTexts& t = program_.texts();
    if (dialog != nullptr) dialog->notice(toQt(t.trimmed(227)), toQt(t.trimmed(228)));
}

void ItineraryFace::clear() {
    closeList();
    mode_.reset();
    canvas->showUpTo(-1);
    BotBachEsp->hide();
    for (int i = 1; i <= kItineraryButtons + 1; ++i)
        button(i)->hide();
}

void ItineraryFace::leave() {
    const bool wasOn = mode_.itineraryMode() || mode_.animating();
    clear();
    if (wasOn) host_.itineraryEnded();
}

bool ItineraryFace::eventFilter(QObject* watched, QEvent* event) {
    const bool press =
        event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if (press && active()) {
        advance();
        return true;  // taken here, so that it does not reach the form a second time
    }
    if (event->type() == QEvent::KeyPress && watched == &form_) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (mode_.animating()) {
            advance();
            return true;
        }
        if (key->key() == Qt::Key_Escape && closeOnEscape()) return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace rumbelo
