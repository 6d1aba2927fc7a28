#include "common/dialog/aviso.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include "common/program/program.h"
#include "common/qt_text.h"

namespace rumbelo {
namespace {
constexpr int kWidth = 440;
constexpr int kHeight = 190;
constexpr int kYesLeft = kWidth / 2 - 130;
constexpr int kNameLength = 45;

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setCursor(Qt::PointingHandCursor);
    return button;
}
}  // namespace

TForm4::TForm4(Program& program) : QDialog(nullptr), program_(program) {
    setObjectName(QStringLiteral("TForm4"));
    setModal(true);
    setFixedSize(kWidth, kHeight);
    setWindowTitle(toQt(program.state().schoolName));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, toQColor(fixed_colours::kDialog));
    setPalette(pal);
    const InterfaceTexts& texts = program.texts();

    LabelNombre = new QLabel(this);
    LabelNombre->setObjectName(QStringLiteral("LabelNombre"));
    LabelNombre->setGeometry(20, 14, kWidth - 40, 48);
    LabelNombre->setAlignment(Qt::AlignCenter);
    LabelNombre->setWordWrap(true);
    QFont questionFont(QStringLiteral("Arial"), 12, QFont::Bold);
    LabelNombre->setFont(questionFont);

    LabelNombre2 = new QLabel(this);
    LabelNombre2->setObjectName(QStringLiteral("LabelNombre2"));
    LabelNombre2->setGeometry(20, 64, kWidth - 40, 40);
    LabelNombre2->setAlignment(Qt::AlignCenter);
    LabelNombre2->setWordWrap(true);
    LabelNombre2->setFont(QFont(QStringLiteral("Arial"), 11));
    LabelNombre2->hide();

    EditNombre = new QLineEdit(this);
    EditNombre->setObjectName(QStringLiteral("EditNombre"));
    EditNombre->setGeometry(70, 76, kWidth - 140, 28);
    EditNombre->setMaxLength(kNameLength);
    EditNombre->hide();

    yesCaption_ = toQt(texts.trimmed(141));
    // A notice asks nothing: its one button acknowledges it instead of answering "Sí".
    noticeCaption_ = toQt(texts.trimmed(19));
    ShadowSi = makeButton(this, "ShadowSi", yesCaption_);
    ShadowSi->setGeometry(kYesLeft, 130, 110, 34);
    ShadowSi->setDefault(true);
    connect(ShadowSi, &QPushButton::clicked, this, &QDialog::accept);
    ShadowNo = makeButton(this, "ShadowNo", toQt(texts.trimmed(140)));
    ShadowNo->setGeometry(kWidth / 2 + 20, 130, 110, 34);
    connect(ShadowNo, &QPushButton::clicked, this, &QDialog::reject);

    PanelImprimir = new QFrame(this);
    PanelImprimir->setObjectName(QStringLiteral("PanelImprimir"));
    PanelImprimir->setGeometry(0, 0, kWidth, kHeight);
    PanelImprimir->setAutoFillBackground(true);
    Labelimprimir = new QLabel(
        QStringLiteral("¿ ") + toQt(texts.trimmed(36)) + QStringLiteral(" ?"), PanelImprimir);
    Labelimprimir->setObjectName(QStringLiteral("Labelimprimir"));
    Labelimprimir->setGeometry(20, 10, kWidth - 40, 30);
    Labelimprimir->setAlignment(Qt::AlignCenter);
    Labelimprimir->setFont(questionFont);
    Radio1 = new QRadioButton(toQt(texts.trimmed(586)), PanelImprimir);
    Radio1->setObjectName(QStringLiteral("Radio1"));
    Radio1->setGeometry(60, 50, kWidth - 100, 26);
    Radio2 = new QRadioButton(
        toQt(texts.trimmed(586)) + QStringLiteral(" + ") + toQt(texts.trimmed(428)), PanelImprimir);
    Radio2->setObjectName(QStringLiteral("Radio2"));
    Radio2->setGeometry(60, 82, kWidth - 100, 26);
    botImprimir = makeButton(PanelImprimir, "botImprimir", toQt(texts.trimmed(36)));
    botImprimir->setGeometry(kWidth / 2 - 130, 130, 110, 34);
    connect(botImprimir, &QPushButton::clicked, this, &QDialog::accept);
    botcerImp = makeButton(PanelImprimir, "botcerImp", toQt(texts.trimmed(13)));
    botcerImp->setGeometry(kWidth / 2 + 20, 130, 110, 34);
    connect(botcerImp, &QPushButton::clicked, this, &QDialog::reject);
    PanelImprimir->hide();
}

void TForm4::showEvent(QShowEvent* event) {
    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    QDialog::showEvent(event);
}

void TForm4::resetToQuestionState() {
    EditNombre->hide();
    LabelNombre2->hide();
    ShadowNo->show();
    ShadowSi->setText(yesCaption_);
    ShadowSi->move(kYesLeft, ShadowSi->y());
    PanelImprimir->hide();
}

int TForm4::runModal() {
    setWindowTitle(toQt(program_.state().schoolName));
    const int result = exec();
    resetToQuestionState();
    return result;
}

bool TForm4::askQuestion(const QString& question) {
    LabelNombre->setText(question);
    EditNombre->hide();
    return runModal() == QDialog::Accepted;
}

std::optional<std::string> TForm4::askName(const QString& question, const std::string& lastName) {
    QString name = toQt(lastName);
    for (;;) {
        LabelNombre->setText(question);
        EditNombre->setText(name);
        EditNombre->show();
        EditNombre->setFocus();
        EditNombre->selectAll();
        if (runModal() != QDialog::Accepted) return std::nullopt;
        name = EditNombre->text();
        if (!name.trimmed().isEmpty()) return fromQt(name.left(kNameLength));
    }
}

void TForm4::notice(const QString& line1, const QString& line2) {
    LabelNombre->setText(line1);
    LabelNombre2->setText(line2);
    LabelNombre2->show();
    ShadowNo->hide();
    ShadowSi->setText(noticeCaption_);
    ShadowSi->move((kWidth - ShadowSi->width()) / 2, ShadowSi->y());
    runModal();
}

int TForm4::askPrintChoice() {
    Radio1->setChecked(true);
    PanelImprimir->show();
    PanelImprimir->raise();
    const bool print = runModal() == QDialog::Accepted;
    if (!print) return 0;
    return Radio1->isChecked() ? 1 : 2;
}

}  // namespace rumbelo
