#pragma once
// The bridges dialog TForm6: the university degrees some higher-FP title leads to and, for
// the degree clicked, the titles that lead to it. Modal; the lists are rebuilt each time it
// opens, from the FP catalogue the degrees form read.
#include <QDialog>
#include <vector>

#include "degrees/pasarela/fp_bridges.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace rumbelo {

class Program;

class TForm6 : public QDialog {
    Q_OBJECT
  public:
    explicit TForm6(Program& program);

    // Opens the dialog modally over the catalogue and returns when it is closed. The degree
    // view's BotFP and the title view's MenuFpTit42 call it; a bare exec() takes the
    // catalogue of the degrees form.
    int showBridges(const degrees::FpCatalog& fp);

    const std::vector<degrees::BridgeDegree>& degrees() const { return degrees_; }

    QLabel* LabelFP;
    QLabel* LabelMal1;
    QLabel* LabelMal2;
    QListWidget* ListCar;
    QListWidget* ListFP;
    QPushButton* BotCerrar1;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void activate();
    void ListCarClick(int row);

    Program& program_;
    const degrees::FpCatalog* fp_ = nullptr;
    degrees::InverseBridges bridges_;
    std::vector<degrees::BridgeDegree> degrees_;
};

QWidget* createBridgesForm(Program& program);

}  // namespace rumbelo
