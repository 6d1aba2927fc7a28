#include "common/region_map/region_map.h"

#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <algorithm>

#include "common/program/program.h"
#include "common/qt_text.h"
#include "common/region_map/rectangle_map.h"
#include "common/text/fixed_text.h"

namespace rumbelo {

using region_map::ClickAction;
using region_map::MapKind;

namespace {

constexpr int kCloseButtonHeight = 28;
constexpr int kCloseCaption = 13;

void paintBackground(QWidget* widget, Rgb colour) {
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, toQColor(colour));
    palette.setColor(QPalette::Base, toQColor(colour));
    widget->setPalette(palette);
}

}  // namespace

RegionMap::RegionMap(Program& program, QWidget* parent, const Layout& layout)
    : QObject(parent), program_(program), rectangleTable_(layout.rectangleTable) {
    const SharedPictures& pictures = program.pictures();
    mapa = makeMap(parent, "mapa", pictures.mapa);
    mapa->setGeometry(layout.communityMap);
    mapac = makeMap(parent, "mapac", pictures.mapac);
    mapac->setGeometry(QRect(layout.finerMaps, pictures.mapac.size()));
    mapam = makeMap(parent, "mapam", pictures.mapam);
    mapam->setGeometry(QRect(layout.finerMaps, pictures.mapam.size()));

    PanelMapa = new QLabel(parent);
    PanelMapa->setObjectName(QStringLiteral("PanelMapa"));
    PanelMapa->setFrameShape(QFrame::Panel);
    PanelMapa->setFrameShadow(QFrame::Raised);
    PanelMapa->setAlignment(Qt::AlignCenter);
    PanelMapa->setWordWrap(true);
    PanelMapa->setMargin(2);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(9 + program.state().largeFontsCorrection);
    font.setBold(true);
    PanelMapa->setFont(font);
    paintBackground(PanelMapa, fixed_colours::kSelectionPanel);
    // The panel follows the pointer; it must never take the pointer from the map.
    PanelMapa->setAttribute(Qt::WA_TransparentForMouseEvents);
    PanelMapa->hide();

    listBarcelona = new QListWidget(parent);
    listBarcelona->setObjectName(QStringLiteral("listBarcelona"));
    QRect listRect = layout.comarcaList;
    if (listRect.isEmpty())
        listRect = QRect(mapac->geometry().right() + 8, layout.finerMaps.y(), 200, 180);
    listBarcelona->setGeometry(listRect);
    listBarcelona->setCursor(Qt::PointingHandCursor);
    paintBackground(listBarcelona, fixed_colours::kPanel);
    listBarcelona->hide();
    connect(listBarcelona, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { comarcaListClicked(listBarcelona->row(item)); });

    BotCerrar = new QPushButton(toQt(program.texts().trimmed(kCloseCaption)), parent);
    BotCerrar->setObjectName(QStringLiteral("BotCerrar"));
    BotCerrar->setGeometry(listRect.left(), listRect.bottom() + 4, listRect.width(),
                           kCloseButtonHeight);
    BotCerrar->setCursor(Qt::PointingHandCursor);
    BotCerrar->hide();
    connect(BotCerrar, &QPushButton::clicked, this, &RegionMap::hideComarcaList);
}

QLabel* RegionMap::makeMap(QWidget* parent, const char* name, const QImage& picture) {
    auto* map = new QLabel(parent);
    map->setObjectName(QLatin1String(name));
    map->setPixmap(QPixmap::fromImage(picture));
    map->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    map->setCursor(Qt::PointingHandCursor);
    map->setMouseTracking(true);
    map->installEventFilter(this);
    map->hide();
    return map;
}

void RegionMap::hidePanel() {
    PanelMapa->hide();
}

void RegionMap::hideMaps() {
    mapa->hide();
    mapac->hide();
    mapam->hide();
}

void RegionMap::showComarcaList() {
    if (geography_) {
        listBarcelona->clear();
        for (const auto& name : geography_->listBarcelona)
            listBarcelona->addItem(toQt(TrimRight(name)));
    }
    listBarcelona->show();
    listBarcelona->raise();
    BotCerrar->show();
    BotCerrar->raise();
}

void RegionMap::hideComarcaList() {
    listBarcelona->hide();
    BotCerrar->hide();
}

bool RegionMap::eventFilter(QObject* watched, QEvent* event) {
    const auto kindOf = [&](QObject* object) {
        return object == mapac   ? MapKind::Comarcas
               : object == mapam ? MapKind::Areas
                                 : MapKind::Communities;
    };
    if (watched == mapa || watched == mapac || watched == mapam) {
        auto* image = static_cast<QLabel*>(watched);
        if (event->type() == QEvent::MouseMove) {
            pointerMoved(kindOf(watched), image,
                         static_cast<QMouseEvent*>(event)->position().toPoint());
        } else if (event->type() == QEvent::MouseButtonPress) {
            // A press also settles the region under the pointer, as a move would have.
            auto* mouse = static_cast<QMouseEvent*>(event);
            pointerMoved(kindOf(watched), image, mouse->position().toPoint());
        } else if (event->type() == QEvent::MouseButtonRelease) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton &&
                image->rect().contains(mouse->position().toPoint()))
                clicked(kindOf(watched));
        }
    }
    return QObject::eventFilter(watched, event);
}

void RegionMap::pointerMoved(MapKind map, QLabel* image, QPoint at) {
    if (!geography_) return;
    region_map::Hover hover;
    if (rectangleTable_ && map == MapKind::Communities) {
        hover = region_map::rectangleHoverAt(*geography_, at.x(), at.y());
    } else {
        if (!program_.state().regions) return;
        hover = region_map::hoverAt(map, *program_.state().regions, *geography_, at.x(), at.y());
    }
    selection_.hovered = hover.region;
    // The panel is the one place the region's name shows: a hint bubble as well would keep
    // the first name while the pointer moves on to the next region.
    image->setCursor(hover.handCursor ? Qt::PointingHandCursor : Qt::ArrowCursor);
    PanelMapa->setText(toQt(hover.text));
    const int width = hover.panelWidth > 0 ? hover.panelWidth : PanelMapa->width();
    const int height = std::max(22, PanelMapa->heightForWidth(width));
    // Kept across its map, so that a name near the edge never covers the list beside it,
    // and inside the form.
    const QRect bounds = image->geometry();
    const QRect form = image->parentWidget()->rect();
    const int x = std::clamp(hover.panelX, bounds.left(),
                             std::max(bounds.left(), bounds.right() + 1 - width));
    const int y =
        std::clamp(hover.panelY, form.top(), std::max(form.top(), form.bottom() + 1 - height));
    PanelMapa->setGeometry(x, y, width, height);
    PanelMapa->show();
    PanelMapa->raise();
}

void RegionMap::clicked(MapKind map) {
    const ClickAction action = region_map::clickOnMap(map, selection_);
    if (action == ClickAction::None) return;
    PanelMapa->hide();
    act(action);
}

void RegionMap::comarcaListClicked(int entry) {
    act(region_map::clickOnComarcaList(entry, selection_));
}

void RegionMap::act(ClickAction action) {
    switch (action) {
        case ClickAction::None:
            break;
        case ClickAction::Community:
            emit communityClicked(selection_.community);
            break;
        case ClickAction::OpenComarcaList:
            showComarcaList();
            break;
        case ClickAction::ComarcaListing:
            emit comarcaChosen(selection_.comarca);
            break;
        case ClickAction::AreaListing:
            emit areaChosen(selection_.area);
            break;
    }
}

}  // namespace rumbelo
