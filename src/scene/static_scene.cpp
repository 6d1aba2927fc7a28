#include "scene/static_scene.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPixmap>

#include "common/qt_text.h"
#include "common/widgets/tiled_picture.h"
#include "scene/door_label.h"
#include "scene/sprites/drawing_surface.h"
#include "scene/static_overlay.h"

namespace rumbelo {
namespace {

QString withLineBreaks(const std::string& cp1252) {
    QString text = toQt(cp1252);
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QFont fontOf(const char* family, int pixels, bool bold) {
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// The bubbles' texts come with the data and may be longer than the bubble holds: the font
// shrinks from its size until the wrapped text fits the label.
void fitFont(QLabel* label, int pixels, int smallest) {
    QFont font = label->font();
    for (; pixels > smallest; --pixels) {
        font.setPixelSize(pixels);
        const QRect needed = QFontMetrics(font).boundingRect(
            QRect(0, 0, label->width(), 10000), Qt::AlignCenter | Qt::TextWordWrap, label->text());
        if (needed.height() <= label->height() && needed.width() <= label->width()) break;
    }
    font.setPixelSize(pixels);
    label->setFont(font);
}

QString colourCss(const QColor& c) {
    return c.name(QColor::HexRgb);
}

template <class T>
T* make(QWidget* parent, const char* name, QRect geometry) {
    auto* w = new T(parent);
    w->setObjectName(QString::fromLatin1(name));
    w->setGeometry(geometry);
    return w;
}

}  // namespace

StaticScene::StaticScene(QWidget* form, TiledPicture* mosaic)
    : QObject(form), form_(form), mosaic_(mosaic) {
    for (int i = 0; i < kDoorLabels; ++i) {
        const DoorLabelSpec& spec = kDoorLabelSpecs[i];
        DoorLabel* label = make<DoorLabel>(
            form, spec.name, QRect(spec.x, spec.y, kDoorLabelWidth, kDoorLabelHeight));
        label->setFont(fontOf("Times New Roman", spec.fontPixels, true));
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
        paintLabel(label, Qt::black);
        doorLabels[i] = label;
        connect(label, &DoorLabel::clicked, this, [this, spec] { openDoor(spec.section, false); });
        connect(label, &DoorLabel::hovered, this, [this, label] { labelHovered(label); });
    }
    LabelCarreras = doorLabels[0];
    LabelCat = doorLabels[1];
    LabelFpS = doorLabels[2];
    LabelIti = doorLabels[3];
    LabelFPM = doorLabels[4];
    LabelFPip = doorLabels[5];
    LabelProfe = doorLabels[6];
    LabelCuesB = doorLabels[7];
    LabelCuesE = doorLabels[8];
    LabelAsistente = doorLabels[9];

    ImageDejar = make<DoorLabel>(form, "ImageDejar", QRect(704, 256, 97, 57));
    ImageDejar->setScaledContents(true);
    LabelDejar = make<DoorLabel>(form, "LabelDejar", QRect(717, 261, 73, 34));
    LabelDejar->setFont(fontOf("Times New Roman", 15, true));
    LabelDejar->setAlignment(Qt::AlignCenter);
    for (DoorLabel* leave : {ImageDejar, LabelDejar}) {
        connect(leave, &DoorLabel::clicked, this, &StaticScene::leaveClicked);
        connect(leave, &DoorLabel::hovered, this, [this] {
            for (DoorLabel* label : doorLabels)
                paintLabel(label, Qt::black);
            paintLeaveLabel(toQColor(colours_.leaveHover));
        });
    }

    LabelCentro = make<QLabel>(form, "LabelCentro", QRect(48, 496, 705, 26));
    LabelCentro->setFont(fontOf("Comic Sans MS", 19, false));
    LabelCentro->setAlignment(Qt::AlignCenter);
    LabelAno = make<QLabel>(form, "LabelAno", QRect(352, 520, 89, 33));
    LabelAno->setFont(fontOf("Comic Sans MS", 27, true));
    LabelAno->setAlignment(Qt::AlignCenter);
    Imagefaraon = make<QLabel>(form, "Imagefaraon", QRect(16, 340, 1, 1));
    Bocadillo1 = make<QLabel>(form, "Bocadillo1", QRect(336, 144, 195, 140));
    Bocadillo1->setScaledContents(true);
    LabelBocadillo1 = make<QLabel>(form, "LabelBocadillo1", QRect(360, 168, 150, 54));
    labelBocadillo2 = make<QLabel>(form, "labelBocadillo2", QRect(358, 168, 158, 75));
    for (QLabel* bubble : {LabelBocadillo1, labelBocadillo2}) {
        bubble->setFont(fontOf("Comic Sans MS", 13, false));
        bubble->setAlignment(Qt::AlignCenter);
        bubble->setWordWrap(true);
        bubble->setStyleSheet(QStringLiteral("color: black;"));
    }
    for (QWidget* hidden :
         {static_cast<QWidget*>(Bocadillo1), static_cast<QWidget*>(LabelBocadillo1),
          static_cast<QWidget*>(labelBocadillo2)})
        hidden->hide();

    overlay_ = new StaticOverlay(form);
    overlay_->raise();

    TimerAndar.setObjectName(QStringLiteral("TimerAndar"));
    TimerAndar.setInterval(200);
    TimerBocadillo.setObjectName(QStringLiteral("TimerBocadillo"));
    TimerBocadillo.setInterval(3000);
    TimerPuerta.setObjectName(QStringLiteral("TimerPuerta"));
    TimerPuerta.setInterval(200);
    TimerZoom.setObjectName(QStringLiteral("TimerZoom"));
    TimerZoom.setInterval(100);
    connect(&TimerAndar, &QTimer::timeout, this, &StaticScene::walkerTick);
    connect(&TimerBocadillo, &QTimer::timeout, this, &StaticScene::bubbleTick);
    connect(&TimerPuerta, &QTimer::timeout, this, &StaticScene::doorTick);
    connect(&TimerZoom, &QTimer::timeout, this, &StaticScene::zoomTick);
    if (mosaic_) connect(mosaic_, &TiledPicture::mouseMoved, this, &StaticScene::mosaicHovered);
}

void StaticScene::setPictures(const QImage& leaveSign, const QImage& decoration,
                              const QImage& bubble, const QImage& mosaicTile,
                              QList<QImage> walkerFrames, QList<QImage> doorFrames) {
    ImageDejar->setPixmap(QPixmap::fromImage(surfaceFromPicture(leaveSign, Qt::white)));
    if (!decoration.isNull()) {
        Imagefaraon->setPixmap(QPixmap::fromImage(surfaceFromPicture(decoration, Qt::white)));
        Imagefaraon->resize(decoration.size());
    }
    if (!bubble.isNull())
        Bocadillo1->setPixmap(QPixmap::fromImage(surfaceFromPicture(bubble, Qt::white)));
    mosaicTile_ = mosaicTile;
    walkerFrames_ = std::move(walkerFrames);
    doorFrames_ = std::move(doorFrames);
}

void StaticScene::setTexts(const SceneTexts& texts, const QString& schoolName,
                           const ThemeColours& colours) {
    colours_ = colours;
    for (int i = 0; i < kDoorLabels; ++i) {
        doorLabels[i]->setText(withLineBreaks(texts.doors[i].caption));
        hints_[i] = withLineBreaks(texts.doors[i].hint);
        doorLabels[i]->setToolTip(hints_[i]);
    }
    LabelDejar->setText(withLineBreaks(texts.leaveCaption));
    LabelDejar->setToolTip(withLineBreaks(texts.leaveHint));
    ImageDejar->setToolTip(LabelDejar->toolTip());
    const QString highlight =
        QStringLiteral("color: %1;").arg(colourCss(toQColor(colours.highlight)));
    paintLeaveLabel(toQColor(colours.highlight));
    LabelCentro->setText(schoolName);
    LabelCentro->setStyleSheet(highlight);
    LabelAno->setText(QStringLiteral("2008"));
    LabelAno->setStyleSheet(highlight);
    LabelBocadillo1->setText(withLineBreaks(texts.bubble1));
    labelBocadillo2->setText(withLineBreaks(texts.bubble2));
    fitFont(LabelBocadillo1, 13, 8);
    fitFont(labelBocadillo2, 13, 8);
}

void StaticScene::setVisible(bool visible) {
    for (DoorLabel* label : doorLabels)
        label->setVisible(visible);
    for (QWidget* w : {static_cast<QWidget*>(ImageDejar), static_cast<QWidget*>(LabelDejar),
                       static_cast<QWidget*>(LabelCentro), static_cast<QWidget*>(LabelAno),
                       static_cast<QWidget*>(Imagefaraon), static_cast<QWidget*>(overlay_)})
        w->setVisible(visible);
    if (!visible) {
        for (QWidget* w : {Bocadillo1, LabelBocadillo1, labelBocadillo2})
            w->hide();
    }
    if (visible) {
        // The pictures lie over the mosaic, the labels over the leave sign, the drawings on top.
        ImageDejar->raise();
        LabelDejar->raise();
        overlay_->raise();
    }
}

void StaticScene::startIntro() {
    walker_ = IntroWalker{};
    TimerAndar.start();
}

void StaticScene::clearDrawings() {
    overlay_->clearAll();
}

DoorLabel* StaticScene::doorLabel(int section) const {
    for (int i = 0; i < kDoorLabels; ++i)
        if (kDoorLabelSpecs[i].section == section) return doorLabels[i];
    return nullptr;
}

void StaticScene::restoreHint(int section) {
    for (int i = 0; i < kDoorLabels; ++i)
        if (kDoorLabelSpecs[i].section == section) doorLabels[i]->setToolTip(hints_[i]);
}

void StaticScene::openDoor(int section, bool animated) {
    // One door at a time: a second label clicked while a door opens would launch twice.
    if (!animated && (TimerPuerta.isActive() || TimerZoom.isActive())) return;
    section_ = section;
    if (animated) {
        TimerAndar.stop();
        zoomStep_ = 110;  // the first zoom tick launches
        TimerZoom.start();
        return;
    }
    DoorLabel* label = doorLabel(section);
    if (!label) return;
    TimerAndar.stop();
    paintLabel(label, Qt::black);
    TimerBocadillo.stop();
    for (QWidget* w : {Bocadillo1, LabelBocadillo1, labelBocadillo2})
        w->hide();
    label->setToolTip(QString());
    door_.emplace(section, label->x());
    firstDoorTick_ = true;
    TimerPuerta.start();
}

void StaticScene::walkerTick() {
    const FrameAt at = walker_.tick();
    if (at.frame < walkerFrames_.size())
        overlay_->showWalker(walkerFrames_[at.frame], QPoint(at.x, at.y));
    if (!at.last) return;
    TimerAndar.stop();
    TimerBocadillo.start();
    Bocadillo1->show();
    LabelBocadillo1->show();
    LabelBocadillo1->raise();
}

void StaticScene::bubbleTick() {
    LabelBocadillo1->hide();
    labelBocadillo2->show();
    labelBocadillo2->raise();
    TimerBocadillo.stop();
}

void StaticScene::doorTick() {
    if (firstDoorTick_) {
        firstDoorTick_ = false;
        overlay_->clearWalker();
        TimerAndar.stop();
    }
    const FrameAt at = door_->tick();
    lastDoorAt_ = QPoint(at.x, at.y);
    if (at.frame < doorFrames_.size()) overlay_->showDoor(doorFrames_[at.frame], lastDoorAt_);
    if (!at.last) return;
    TimerPuerta.stop();
    zoomStep_ = door_->step();
    TimerZoom.start();
}

void StaticScene::zoomTick() {
    const auto rect =
        rumbelo::zoomTick(zoomStep_, section_, mosaicTile_.width(), mosaicTile_.height());
    if (!rect) {
        TimerZoom.stop();
        restoreHint(section_);
        emit launchSection(section_);
        return;
    }
    overlay_->showZoom(mosaicTile_, QRect(QPoint(rect->left, rect->top),
                                          QPoint(rect->right - 1, rect->bottom - 1)));
    if (doorFrames_.size() > 4) overlay_->showDoor(doorFrames_[4], lastDoorAt_);
}

void StaticScene::labelHovered(DoorLabel* label) {
    // The pointer may jump from one label to the next without crossing the mosaic.
    for (DoorLabel* other : doorLabels)
        if (other != label) paintLabel(other, Qt::black);
    paintLeaveLabel(toQColor(colours_.highlight));
    paintLabel(label, toQColor(colours_.doorHover));
}

void StaticScene::mosaicHovered() {
    for (DoorLabel* label : doorLabels)
        paintLabel(label, Qt::black);
    paintLeaveLabel(toQColor(colours_.highlight));
}

void StaticScene::paintLeaveLabel(const QColor& colour) {
    if (LabelDejar->property("colour").value<QColor>() == colour) return;
    LabelDejar->setProperty("colour", colour);
    LabelDejar->setStyleSheet(QStringLiteral("color: %1;").arg(colourCss(colour)));
}

void StaticScene::paintLabel(DoorLabel* label, const QColor& background) {
    // Mouse moves repeat the same colour; a style sheet is only worth setting on a change.
    if (label->property("background").value<QColor>() == background) return;
    label->setProperty("background", background);
    label->setStyleSheet(
        QStringLiteral("background-color: %1; color: white;").arg(colourCss(background)));
}

}  // namespace rumbelo
