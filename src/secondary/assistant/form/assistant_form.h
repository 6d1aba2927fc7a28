#pragma once
// TForm5, the assistant: the pupil chooses ESO or Bachillerato, reads three next steps as
// animated texts with blinking arrows, and an arrow's helicopter flight reveals the buttons
// that open the other sections prepared. Modal over the scene; it hides itself while a
// section it opened is on screen, and the section's way back shows it again.
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <array>
#include <map>
#include <string>
#include <string_view>

#include "common/program/assistant_entry.h"
#include "secondary/assistant/assistant_motion.h"

class QFrame;
class QPushButton;
class QTextEdit;

namespace rumbelo {

class Program;
class TiledPicture;

// A label that answers a click: the stage panels, the stage captions and the arrows.
class ClickLabel : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;
  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
};

class TForm5 : public QWidget {
    Q_OBJECT
  public:
    explicit TForm5(Program& program);
    ~TForm5() override;

    // One stage's panel and the state of its animations.
    struct StageView {
        assistant::Stage stage{};
        QFrame* panel = nullptr;
        ClickLabel* caption = nullptr;
        QLabel* centre = nullptr;
        QFrame* picture = nullptr;
        std::array<QLabel*, 3> labels{};  // steps 1..3
        QFrame* yellow = nullptr;
        QLabel* yellowText = nullptr;
        std::map<int, ClickLabel*> arrows;  // by arrow number
        QLabel* heli = nullptr;
        QFrame* listPanel = nullptr;
        QTextEdit* listText = nullptr;  // scrolls when the paragraph is long
        QTimer* textTimer = nullptr;
        QTimer* flightTimer = nullptr;
        int restingLeft = 0;
        assistant::StepAnimation animation;
    };

    QFrame* PInicio = nullptr;
    ClickLabel* Panel2 = nullptr;
    ClickLabel* Panel3 = nullptr;
    QLabel* Textoinicio = nullptr;
    QPushButton* BotRetroAsis = nullptr;
    QPushButton* BotEso = nullptr;
    QPushButton* BotBachi = nullptr;
    QTimer TimerMueTexBotBACHI, TimerComienzo, TimerMueTexFleESO, TimerMueTexFleBACHI, TimerVuela,
        TimerVuela2;

    StageView& eso() { return eso_; }
    StageView& bachillerato() { return bachillerato_; }
    // The button of that objectName (every button of both stages).
    QPushButton* button(std::string_view name) const;
    bool firstActivation() const { return firstActivation_; }
    int step() const { return step_; }
    int arrow() const { return arrow_; }

    void chooseStage(assistant::Stage stage);
    void arrowClicked(int arrow);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void build();
    void buildStart();
    void buildStage(StageView& view, assistant::Stage stage);
    void buildButtons();
    void applyTexts();
    void composeTexts();
    static QString displayed(const std::string& cp1252);
    void connectActions();
    void activate();
    void stopTimers();

    StageView& viewOf(assistant::Stage stage) {
        return stage == assistant::Stage::Eso ? eso_ : bachillerato_;
    }
    void scrollTick();
    void slideTick();
    void textTick(StageView& view);
    void flightTick(StageView& view);
    void revealButtons(int arrow);

    // Hides the assistant and shows `name` entered with `request`; nothing when the section
    // is missing.
    void openSection(const char* name, AssistantRequest request);
    void BtGMClick();
    void BotFPClick();
    void showInformation(StageView& view, const std::string& text);
    void BotRetroAsisClick();

    Program& program_;
    TiledPicture* Fondo = nullptr;
    StageView eso_, bachillerato_;
    std::map<std::string_view, QPushButton*> buttons_;
    bool firstActivation_ = true;
    int step_ = 0;
    int arrow_ = 0;
    assistant::Stage sliding_ = assistant::Stage::Eso;
    int flightTicks_ = 0;
    assistant::Point flightFrom_{0, 0};
};

QWidget* createAssistantForm(Program& program);

}  // namespace rumbelo
