// Building the admission-mark consultation: the result list with its community heading on
// the right, the question under it (mark digits, modality, difficulty), the two buttons;
// then captions, colours and fonts.
#include "degrees/form/consultation_face.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSlider>

#include "common/program/contrast.h"
#include "common/program/program.h"
#include "common/qt_text.h"
#include "common/text/fixed_text.h"
#include "degrees/form/degree_face.h"
#include "degrees/form/degrees_form.h"
#include "degrees/form/up_down.h"
#include "degrees/form/widget_look.h"

namespace rumbelo {

using namespace degrees;

namespace {

constexpr QRect kResults{kWorkList.left(), kWorkList.top(), kWorkList.width(), 372};
constexpr QRect kQuestion{kWorkList.left(), 424, kWorkList.width(), 124};
constexpr int kButtonsTop = 554;

QLineEdit* digitField(QWidget* parent, const char* name, const QString& digits) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QLatin1String(name));
    field->setMaxLength(1);
    field->setAlignment(Qt::AlignCenter);
    // One digit of the spinner's range, or nothing while the pupil retypes it.
    field->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[%1]?").arg(digits)), field));
    return field;
}

QString cssColour(Rgb c) {
    return QStringLiteral("rgb(%1,%2,%3)").arg(c.r).arg(c.g).arg(c.b);
}

}  // namespace

ConsultationFace::ConsultationFace(TForm1& form, Program& program)
    : QObject(&form), form_(form), program_(program) {
    setObjectName(QStringLiteral("ConsultationFace"));
    build();
}

void ConsultationFace::build() {
    QWidget* face = form_.Panelinicio;
    panelconsulta = makePanel(face, "panelconsulta");
    panelconsulta->setFrameShape(QFrame::NoFrame);
    panelconsulta->setGeometry(kResults);
    PanelconsultaTit = makeLabel(panelconsulta, "PanelconsultaTit");
    PanelconsultaTit->setGeometry(0, 0, kResults.width(), kTitleHeight);
    PanelconsultaTit->setFrameShape(QFrame::Panel);
    PanelconsultaTit->setFrameShadow(QFrame::Raised);
    PanelconsultaTit->setIndent(4);
    Listcon = new QListWidget(panelconsulta);
    Listcon->setObjectName(QStringLiteral("Listcon"));
    Listcon->setGeometry(0, kTitleHeight, kResults.width(), kResults.height() - kTitleHeight);
    Listcon->setSelectionMode(QAbstractItemView::MultiSelection);
    Listcon->setCursor(Qt::PointingHandCursor);
    Listcon->hide();

    Panelcon2 = makePanel(face, "Panelcon2");
    Panelcon2->setGeometry(kQuestion);
    LabelConsejo = makeLabel(Panelcon2, "LabelConsejo");
    LabelConsejo->setGeometry(8, 4, kQuestion.width() - 16, 20);
    MaskEdit1 = digitField(Panelcon2, "MaskEdit1", QStringLiteral("5-9"));
    MaskEdit1->setGeometry(8, 30, 28, 32);
    UpDown1 = new UpDown(Panelcon2, MaskEdit1, 5, 9, 5);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    UpDown1->setGeometry(36, 30, 16, 32);
    LabelComa = makeLabel(Panelcon2, "LabelComa");
    LabelComa->setText(QStringLiteral(","));
    LabelComa->setGeometry(54, 30, 10, 32);
    MaskEdit2 = digitField(Panelcon2, "MaskEdit2", QStringLiteral("0-9"));
    MaskEdit2->setGeometry(64, 30, 28, 32);
    UpDown2 = new UpDown(Panelcon2, MaskEdit2, 0, 9, 0);
    UpDown2->setObjectName(QStringLiteral("UpDown2"));
    UpDown2->setGeometry(92, 30, 16, 32);
    listBachiL = makeCombo(Panelcon2, "listBachiL");
    listBachiL->setGeometry(120, 33, kQuestion.width() - 128, 26);

    labelbaja = makeLabel(Panelcon2, "labelbaja");
    labelbaja->setGeometry(8, 68, 76, 22);
    labelbaja->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    TrackDif = new QSlider(Qt::Horizontal, Panelcon2);
    TrackDif->setObjectName(QStringLiteral("TrackDif"));
    TrackDif->setRange(kLowestDifficulty, kHighestDifficulty);
    TrackDif->setValue(kLowestDifficulty);
    TrackDif->setPageStep(1);
    TrackDif->setCursor(Qt::PointingHandCursor);
    TrackDif->setGeometry(90, 66, kQuestion.width() - 180, 26);
    LabelAlta = makeLabel(Panelcon2, "LabelAlta");
    LabelAlta->setGeometry(kQuestion.width() - 84, 68, 76, 22);
    LabelDificultad = makeLabel(Panelcon2, "LabelDificultad");
    LabelDificultad->setGeometry(8, 96, 170, 22);
    LabelDificultad2 = makeLabel(Panelcon2, "LabelDificultad2");
    LabelDificultad2->setGeometry(180, 96, kQuestion.width() - 188, 22);

    RetroConsultas = makeButton(face, "RetroConsultas");
    RetroConsultas->setGeometry(kWorkList.left(), kButtonsTop, 140, 32);
    RetroConsultas->hide();
    BotImprimirCon = makeButton(face, "BotImprimirCon");
    BotImprimirCon->setGeometry(kWorkList.left() + 150, kButtonsTop, 140, 32);
    BotImprimirCon->hide();
}

void ConsultationFace::setUp() {
    applyCaptions();
    applyColoursAndFonts();
    connectControls();
}

void ConsultationFace::applyCaptions() {
    const InterfaceTexts& t = program_.texts();
    const DegreeCatalog& catalog = form_.data().degrees;
    LabelConsejo->setText(toQt(TrimRight(catalog.requirements[11])));
    listBachiL->clear();
    for (const auto& entry : modalityBoxEntries(catalog, t))
        listBachiL->addItem(toQt(entry));
    listBachiL->setPlaceholderText(toQt(TrimRight(catalog.requirements[12])));
    listBachiL->setCurrentIndex(-1);
    const DifficultyCaptions captions = difficultyCaptions(t, false, kLowestDifficulty);
    LabelDificultad->setText(toQt(captions.label));
    LabelDificultad2->setText(toQt(captions.level));
    labelbaja->setText(toQt(t.trimmed(653)));
    LabelAlta->setText(toQt(t.trimmed(659)));
    BotImprimirCon->setText(toQt(t.trimmed(36)));
    RetroConsultas->setText(toQt(t.trimmed(82)));
}

void ConsultationFace::applyColoursAndFonts() {
    const ProgramState& state = program_.state();
    const ThemeColours& theme = state.theme.colours;
    const int correction = state.largeFontsCorrection;
    const Rgb caption = readableOn(theme.caption, theme.doorHover);
    paintWidget(panelconsulta, fixed_colours::kPanel, kPanelText);
    paintWidget(Panelcon2, fixed_colours::kPanel, kPanelText);
    paintWidget(PanelconsultaTit, theme.doorHover, caption);
    // The university headings stand out in the heading colours, read as well as the rest.
    paintWidget(Listcon, fixed_colours::kPanel, kPanelText);
    QPalette palette = Listcon->palette();
    palette.setColor(QPalette::Highlight, toQColor(theme.doorHover));
    palette.setColor(QPalette::HighlightedText, toQColor(caption));
    Listcon->setPalette(palette);
    for (QLineEdit* digit : {MaskEdit1, MaskEdit2}) {
        paintWidget(digit, Rgb{255, 255, 255}, kPanelText);
        setFontOf(digit, kTimes, 14 + correction, true);
    }
    setFontOf(LabelComa, kTimes, 14 + correction, true);
    styleDropDown(listBachiL, theme.doorHover, caption);
    setFontOf(listBachiL, kTimes, 11 + correction);
    for (QLabel* label : {LabelConsejo, labelbaja, LabelAlta, LabelDificultad, LabelDificultad2})
        setFontOf(label, kTimes, 11 + correction, label == LabelDificultad2);
    setFontOf(PanelconsultaTit, kTimes, 12 + correction, true);
    setFontOf(Listcon, kCourier, 10 + correction);
    // The chosen range runs from the handle to the hardest level.
    TrackDif->setStyleSheet(
        QStringLiteral("QSlider::groove:horizontal { height: 6px; background: %1;"
                       " border: 1px solid %3; }"
                       "QSlider::add-page:horizontal { background: %2; border: 1px solid %3; }"
                       "QSlider::sub-page:horizontal { background: %1; border: 1px solid %3; }"
                       "QSlider::handle:horizontal { width: 12px; margin: -7px 0;"
                       " background: %4; border: 1px solid %3; }")
            .arg(cssColour(Rgb{255, 255, 255}), cssColour(theme.doorHover), cssColour(kPanelText),
                 cssColour(fixed_colours::kFormBackground)));
    for (QPushButton* button : {BotImprimirCon, RetroConsultas})
        setFontOf(button, kTimes, 12 + correction);
}

}  // namespace rumbelo
