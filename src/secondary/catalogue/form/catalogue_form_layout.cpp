// Building the catalogue form: the floor and frame, the family list, the five level lists
// with their labels, the detail panel with its close button, the sliding help label and the
// buttons; then captions and colours.
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>

#include "common/program/contrast.h"
#include "common/program/program.h"
#include "common/qt_text.h"
#include "common/text/fixed_text.h"
#include "common/widgets/tiled_picture.h"
#include "secondary/catalogue/form/catalogue_form.h"
#include "secondary/catalogue/form/catalogue_layout.h"

namespace rumbelo {

using namespace catalogue;
using namespace catalogue::layout;

namespace {

const QString kListFont = QStringLiteral("Arial");

QListWidget* makeList(QWidget* parent, const QByteArray& name, QRect where) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setGeometry(where);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list->setFrameShape(QFrame::Box);
    list->setCursor(Qt::PointingHandCursor);
    list->setWordWrap(false);
    list->setTextElideMode(Qt::ElideRight);
    return list;
}

QLabel* makeLabel(QWidget* parent, const QByteArray& name, QPoint at) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(at);
    label->setMargin(2);
    return label;
}

void paint(QWidget* widget, Rgb background, Rgb text) {
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        palette.setColor(role, toQColor(background));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, toQColor(text));
    widget->setPalette(palette);
}

void setFontOf(QWidget* widget, int pointSize, bool bold = false) {
    QFont font(kListFont);
    font.setPointSize(std::max(1, pointSize));
    font.setBold(bold);
    widget->setFont(font);
}

constexpr Rgb kInk{0, 0, 0};

}  // namespace

void TFormCat::build() {
    setObjectName(QStringLiteral("TFormCat"));
    setWindowTitle(QStringLiteral("Catálogo de títulos"));
    setFixedSize(800, 600);
    degrade = addFramedBackground(this, size(), kFrame, program_.pictures());
    connect(degrade, &TiledPicture::clicked, this, &TFormCat::botcerrarClick);
    buildLists();
    buildButtons();
    applyCaptions();
    applyColours();
}

void TFormCat::buildLists() {
    ListFam = makeList(this, "ListFam", kFamilies);
    LabelFami = makeLabel(this, "LabelFami", kFamiliesLabel.topLeft());
    LabelFami->resize(kFamiliesLabel.size());
    connect(ListFam, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ListFamClick(ListFam->row(item)); });
    for (int level = 1; level <= kLevels; ++level) {
        const auto i = static_cast<std::size_t>(level - 1);
        ListCat[i] = makeList(this, "ListCat" + QByteArray::number(level), kLevelLists[i]);
        Label[i] = makeLabel(this, "Label" + QByteArray::number(level), kLevelLabels[i]);
        connect(ListCat[i], &QListWidget::itemClicked, this,
                [this, level, i](QListWidgetItem* item) {
                    ListCatClick(level, ListCat[i]->row(item));
                });
    }
    ListSel = new QTextEdit(this);
    ListSel->setObjectName(QStringLiteral("ListSel"));
    ListSel->setGeometry(kDetail);
    ListSel->setReadOnly(true);
    ListSel->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ListSel->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListSel->setFrameShape(QFrame::Box);
    ListSel->hide();
    LabelAyu0 = makeLabel(this, "LabelAyu0", kSlidingLabelStart);
    TimerAyu.setObjectName(QStringLiteral("TimerAyu"));
    TimerAyu.setInterval(kSlideIntervalMs);
    connect(&TimerAyu, &QTimer::timeout, this, &TFormCat::TimerAyuTimer);
}

void TFormCat::buildButtons() {
    const auto button = [this](const char* name, QRect where) {
        auto* b = new QPushButton(this);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(where);
        b->setCursor(Qt::PointingHandCursor);
        return b;
    };
    botcerrar = button("botcerrar", QRect(QPoint(0, 0), kCloseButton));
    botcerrar->hide();
    BotImprimir = button("BotImprimir", kPrintButton);
    BotRetroceder = button("BotRetroceder", kBackButton);
    connect(botcerrar, &QPushButton::clicked, this, &TFormCat::botcerrarClick);
    // A push button reports its click when the mouse is released over it.
    connect(BotImprimir, &QPushButton::clicked, this, &TFormCat::BotImprimirClick);
    connect(BotRetroceder, &QPushButton::clicked, this, &TFormCat::BotRetrocederClick);
}

void TFormCat::applyCaptions() {
    const InterfaceTexts& t = program_.texts();
    const auto text = [&](int k) { return toQt(t.trimmed(k)); };
    setWindowTitle(text(338) + QStringLiteral("  ") + toQt(TrimRight(program_.state().schoolName)));
    LabelFami->setText(text(575));
    for (int level = 1; level <= kLevels; ++level) {
        QLabel* label = Label[static_cast<std::size_t>(level - 1)];
        label->setText(toQt(TrimRight(levelLabel(t, level))));
        label->adjustSize();
    }
    LabelAyu0->setText(text(578) + QStringLiteral(" ") + text(442));
    LabelAyu0->adjustSize();
    botcerrar->setText(text(13));
    BotImprimir->setText(text(36));
    BotRetroceder->setText(text(82));
}

void TFormCat::applyColours() {
    const ProgramState& state = program_.state();
    const ThemeColours& theme = state.theme.colours;
    const int correction = state.largeFontsCorrection;
    paint(this, fixed_colours::kFormBackground, kInk);
    paint(ListFam, fixed_colours::kFormBackground, kInk);
    setFontOf(ListFam, 10 + correction);
    for (QListWidget* list : ListCat) {
        paint(list, fixed_colours::kFormBackground, kInk);
        setFontOf(list, 8 + correction);
    }
    paint(ListSel, fixed_colours::kPanel, kInk);
    setFontOf(ListSel, 10 + correction);
    // The caption colour where it reads on the door hover colour, else the nearest shade of
    // it that does.
    const Rgb caption = readableOn(theme.caption, theme.doorHover);
    for (QLabel* label : Label) {
        paint(label, theme.doorHover, caption);
        setFontOf(label, 9 + correction, true);
        label->adjustSize();
    }
    for (QLabel* label : {LabelFami, LabelAyu0}) {
        paint(label, theme.doorHover, caption);
        setFontOf(label, 10 + correction, true);
    }
    LabelAyu0->adjustSize();
}

}  // namespace rumbelo
