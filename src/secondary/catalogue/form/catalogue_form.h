#pragma once
// The catalogue of qualifications TFormCat: a list of professional families and, for the
// family chosen, its university degrees, higher and intermediate FP titles, initial
// programmes and professional certificates, each with a detail panel; a short or detailed
// printout of the family's catalogue. It reads the tables the other sections loaded.
#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>

#include "common/program/assistant_entry.h"
#include "common/program/section_entry.h"
#include "secondary/catalogue/core/catalogue_lists.h"

class QLabel;
class QListWidget;
class QPushButton;
class QTextEdit;

namespace rumbelo {

class Program;
class TiledPicture;

class TFormCat : public QWidget, public SceneDoorEntry, public AssistantEntry {
    Q_OBJECT
  public:
    explicit TFormCat(Program& program);
    ~TFormCat() override;

    // Reads "familias" and "indices" and finds the other sections' tables; false (abort
    // flag set) when a file is missing.
    bool create();

    void enterFromSceneDoor(int section) override;
    void enterFromAssistant(AssistantRequest request) override;

    const catalogue::FamilyLevels& levels() const { return levels_; }
    const catalogue::CatalogueSources* sources() const { return sources_.get(); }

    TiledPicture* degrade;
    QListWidget* ListFam;
    QLabel* LabelFami;
    std::array<QListWidget*, catalogue::kLevels> ListCat{};  // ListCat1..ListCat5
    std::array<QLabel*, catalogue::kLevels> Label{};         // Label1..Label5
    QTextEdit* ListSel;
    QPushButton* botcerrar;
    QLabel* LabelAyu0;
    QPushButton* BotImprimir;
    QPushButton* BotRetroceder;
    QTimer TimerAyu;

    // The handlers, callable as the events call them.
    void ListFamClick(int position);
    void ListCatClick(int level, int row);
    void botcerrarClick();
    void BotImprimirClick();
    void BotRetrocederClick();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void build();
    void buildLists();
    void buildButtons();
    void applyCaptions();
    void applyColours();
    void findTables();
    void TimerAyuTimer();
    void hideDetail();
    void placeDetail(int level);
    void leave();

    Program& program_;
    catalogue::CatalogueFiles files_;
    std::unique_ptr<catalogue::CatalogueSources> sources_;
    catalogue::FamilyLevels levels_;
    std::optional<int> family_;  // list position of the chosen family
};

QWidget* createCatalogueForm(Program& program);

}  // namespace rumbelo
