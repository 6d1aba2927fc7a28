#include "app/bienvenida.h"

#include <QApplication>
#include <QBitmap>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QScreen>

#include "common/program/program.h"
#include "common/qt_text.h"

namespace rumbelo {

TBienvenida::TBienvenida(Program& program) : QWidget(nullptr, Qt::SplashScreen) {
    setObjectName(QStringLiteral("TBienvenida"));
    setWindowTitle(QStringLiteral("Rumbelo"));
    setFixedSize(360, 240);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, toQColor(fixed_colours::kDialog));
    setPalette(pal);

    ImageChica = new QLabel(this);
    ImageChica->setObjectName(QStringLiteral("ImageChica"));
    ImageChica->setGeometry(24, 24, 100, 150);
    ImageChica->setAlignment(Qt::AlignCenter);
    if (!program.pictures().guide.isNull()) {
        // White is the picture's see-through colour, as everywhere the guide is drawn.
        QPixmap girl = QPixmap::fromImage(program.pictures().guide);
        girl.setMask(girl.createMaskFromColor(Qt::white));
        ImageChica->setPixmap(
            girl.scaled(ImageChica->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }

    LabelTitulo = new QLabel(QStringLiteral("Rumbelo 2.007/08"), this);
    LabelTitulo->setObjectName(QStringLiteral("LabelTitulo"));
    LabelTitulo->setGeometry(130, 60, 220, 60);
    LabelTitulo->setAlignment(Qt::AlignCenter);
    QFont font(QStringLiteral("Comic Sans MS"), 20, QFont::Bold);
    LabelTitulo->setFont(font);

    BarraProgreso = new QProgressBar(this);
    BarraProgreso->setObjectName(QStringLiteral("BarraProgreso"));
    BarraProgreso->setGeometry(24, 196, 312, 18);
    BarraProgreso->setRange(0, 100);
    BarraProgreso->setValue(5);
    BarraProgreso->setTextVisible(false);

    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void TBienvenida::setProgress(int value) {
    BarraProgreso->setValue(value);
    BarraProgreso->repaint();
}

}  // namespace rumbelo
