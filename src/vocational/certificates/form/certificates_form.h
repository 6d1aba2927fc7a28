#pragma once
// The professional certificates form TCertifica, for pupils who leave school: nine groups,
// their professional families and each family's certificates with requirements, hours and
// description; a printout of a family's certificates; the employment service's page of
// training centres. The form only shows what the listing rules build.
#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>
#include <string>

#include "common/program/assistant_entry.h"
#include "common/program/secondary_handover.h"
#include "common/program/section_entry.h"
#include "vocational/certificates/data/certificate_files.h"
#include "vocational/certificates/listing/certificate_browser.h"
#include "vocational/certificates/listing/certificate_guide.h"

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;

namespace rumbelo {

class Program;
class TiledPicture;

// The employment service's page of training centres.
std::string trainingCentresAddress();

class TCertifica : public QWidget,
                   public SceneDoorEntry,
                   public OpenedFromSecondary,
                   public AssistantEntry {
    Q_OBJECT
  public:
    explicit TCertifica(Program& program);
    ~TCertifica() override;

    // Reads the two files; false (abort flag set by the readers) when one is missing.
    bool create();

    void enterFromSceneDoor(int section) override;
    void enterFromAssistant(AssistantRequest request) override;
    // The secondary form's "Más información": leaving then only hides this form.
    void enterFromSecondary() override;

    const certificates::CertificateFiles& files() const { return files_; }
    const certificates::CertificateBrowser& browser() const { return browser_; }

    TiledPicture* degrade;
    QFrame* PanelAyuda;
    QLabel* chica;
    std::array<QLabel*, certificates::kHelpLabels> LabelAyu{};
    QFrame* PanelSelTit0;
    QLabel* LabelTit1;
    QListWidget* ListSelFp;
    QFrame* PanelSelTit1;
    QLabel* LabelTit2;
    QListWidget* ListTitFP;
    QFrame* PanelSelTit2;
    QLabel* LabelTit3;
    QListWidget* ListFPExpli;
    QFrame* PanelResul;
    QLabel* LabelTitulo;
    QLabel* LabelReq;
    QLabel* LabelRequisitos;
    QLabel* LabelHor;
    QLabel* LabelHoras;
    QLabel* LabelDes;
    QPushButton* BotRetrocederFP;
    QPushButton* BotImprimir;
    QPushButton* BotInternet;
    QTimer TimerAyuda;
    QTimer TimerAyu;

    // The handlers, callable as the events call them.
    void ListSelFpMouseUp(int row);
    void ListTitFPMouseMove(int row);
    void ListTitFPMouseUp(int row);
    void ListFPExpliMouseUp(int row);
    void BotRetrocederFPClick();
    void BotImprimirClick();
    void BotInternetMouseUp();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void build();
    void buildHelpPanel();
    void buildLists();
    void buildResultPanel();
    void buildButtons();
    void applyCaptions();
    void applyColours();
    void fillGroups();
    void activate();
    void TimerAyudaTimer();
    void TimerAyuTimer();
    void showCertificates();
    void leave();

    Program& program_;
    certificates::CertificateFiles files_;
    certificates::CertificateBrowser browser_{files_};
    int guideTick_ = 0;
    bool fromSecondary_ = false;
};

QWidget* createCertificatesForm(Program& program);

}  // namespace rumbelo
