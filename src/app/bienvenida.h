#pragma once
// The splash window shown while the forms are created.
#include <QWidget>

class QLabel;
class QProgressBar;

namespace rumbelo {

class Program;

class TBienvenida : public QWidget {
    Q_OBJECT
  public:
    explicit TBienvenida(Program& program);
    void setProgress(int value);

    QLabel* LabelTitulo;
    QLabel* ImageChica;
    QProgressBar* BarraProgreso;
};

}  // namespace rumbelo
