#pragma once
// The shared modal dialog: a yes/no question, a name prompt, a two-line notice and the
// catalogue's print choice. Each use starts from the question-only state.
#include <QDialog>
#include <optional>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;
class QFrame;
class QRadioButton;

namespace rumbelo {

class Program;

class TForm4 : public QDialog {
    Q_OBJECT
  public:
    explicit TForm4(Program& program);

    // The question with yes and no; true for yes (Enter), false for no (Escape).
    bool askQuestion(const QString& question);
    // The name prompt: the field starts with the last name given; asked again while yes is
    // chosen with an empty name. The name (at most 45 characters) or nothing for no.
    std::optional<std::string> askName(const QString& question, const std::string& lastName);
    // A notice of two lines with only the yes button.
    void notice(const QString& line1, const QString& line2);
    // The print choice: 1 or 2 for the chosen report, 0 when closed without printing.
    int askPrintChoice();

    // Called when the dialog closes: back to the question-only state.
    void resetToQuestionState();

    QLabel* LabelNombre;
    QLabel* LabelNombre2;
    QLineEdit* EditNombre;
    QPushButton* ShadowSi;
    QPushButton* ShadowNo;
    QFrame* PanelImprimir;
    QRadioButton* Radio1;
    QRadioButton* Radio2;
    QLabel* Labelimprimir;
    QPushButton* botImprimir;
    QPushButton* botcerImp;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    int runModal();
    Program& program_;
    QString yesCaption_;
    QString noticeCaption_;
};

}  // namespace rumbelo
