// The yardstick of the start-up benchmark: a bare Qt Widgets program that shows an 800x600
// window and ends after its first paint.
#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {

class BareWindow : public QWidget {
  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(rect(), Qt::white);
        if (!painted_) {
            painted_ = true;
            QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        }
    }

  private:
    bool painted_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    BareWindow window;
    window.setFixedSize(800, 600);
    window.show();
    return QApplication::exec();
}
