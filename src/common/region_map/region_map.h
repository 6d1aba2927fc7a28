#pragma once
// The region maps of a section form: the community map "mapa", the comarca map "mapac" and
// the area map "mapam" (hidden until the form shows one), the hover panel PanelMapa that
// names the region under the pointer, and listBarcelona with BotCerrar for the comarcas of
// comarca 37. The component owns the pointer rules and the selection; the form reacts to
// its signals with its own community action and listings.
#include <QObject>
#include <QPoint>
#include <QRect>

#include "common/region_map/region_selection.h"

class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

namespace rumbelo {

class Program;

class RegionMap : public QObject {
    Q_OBJECT
  public:
    struct Layout {
        QRect communityMap{22, 48, 286, 214};
        QPoint finerMaps{23, 23};  // mapac and mapam, sized to their pictures
        QRect comarcaList;         // listBarcelona; BotCerrar goes under it
        // The community map read through the rectangle table instead of the pixel grid.
        bool rectangleTable = false;
    };

    // The widgets are made as children of `parent`, hidden.
    RegionMap(Program& program, QWidget* parent, const Layout& layout);

    // The loaded geography; the maps stay inert until it is given.
    void setGeography(const GeographyData* geography) { geography_ = geography; }
    region_map::RegionSelection& selection() { return selection_; }
    const region_map::RegionSelection& selection() const { return selection_; }

    void hidePanel();
    void hideMaps();
    // Shows listBarcelona and BotCerrar over everything.
    void showComarcaList();
    void hideComarcaList();

    QLabel* mapa;
    QLabel* mapac;
    QLabel* mapam;
    QLabel* PanelMapa;
    QListWidget* listBarcelona;
    QPushButton* BotCerrar;

  signals:
    // A community was clicked (selection().community holds it).
    void communityClicked(int community);
    // The centres of a comarca or an area are to be listed.
    void comarcaChosen(int comarca);
    void areaChosen(int area);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLabel* makeMap(QWidget* parent, const char* name, const QImage& picture);
    void pointerMoved(region_map::MapKind map, QLabel* image, QPoint at);
    void clicked(region_map::MapKind map);
    void comarcaListClicked(int entry);
    void act(region_map::ClickAction action);

    Program& program_;
    bool rectangleTable_ = false;
    const GeographyData* geography_ = nullptr;
    region_map::RegionSelection selection_;
};

}  // namespace rumbelo
