#include "common/widgets/skins.h"

#include <QApplication>
#include <iterator>

namespace rumbelo {
namespace {

// Skin 0: snow. Cold blues, white buttons with a frosty edge.
const char* const kSnow = R"(
QPushButton { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #cfe3f7);
              border: 2px solid #5b8fc7; border-radius: 8px; padding: 4px 10px; color: #12345a; }
QPushButton:hover { background: #e6f2ff; border-color: #1f5fa8; }
QPushButton:pressed { background: #b7d3f0; }
QListWidget, QTextEdit, QTableWidget { border: 2px solid #5b8fc7; border-radius: 4px; }
QScrollBar:vertical { background: #e8f1fb; width: 14px; }
QScrollBar::handle:vertical { background: #8db6e2; border-radius: 6px; min-height: 24px; }
QComboBox { border: 2px solid #5b8fc7; border-radius: 6px; padding: 2px 8px; background: white; }
QComboBox QAbstractItemView { background: white; color: #12345a; border: 2px solid #5b8fc7;
                              selection-background-color: #1f5fa8; selection-color: white; }
QProgressBar { border: 2px solid #5b8fc7; border-radius: 6px; background: white; }
QProgressBar::chunk { background: #7fb2e5; border-radius: 4px; }
)";

// Skin 1: castle. Warm stone and wood.
const char* const kCastle = R"(
QPushButton { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f3d9a4, stop:1 #c9934f);
              border: 2px solid #7a4a1d; border-radius: 6px; padding: 4px 10px; color: #3b2008; }
QPushButton:hover { background: #f7e3bb; border-color: #5a3210; }
QPushButton:pressed { background: #b87f3f; }
QListWidget, QTextEdit, QTableWidget { border: 2px solid #7a4a1d; border-radius: 3px; }
QScrollBar:vertical { background: #f1e2c4; width: 14px; }
QScrollBar::handle:vertical { background: #c9934f; border-radius: 5px; min-height: 24px; }
QComboBox { border: 2px solid #7a4a1d; border-radius: 5px; padding: 2px 8px; background: #fff8e8; }
QComboBox QAbstractItemView { background: #fff8e8; color: #3b2008; border: 2px solid #7a4a1d;
                              selection-background-color: #7a4a1d; selection-color: #fff8e8; }
QProgressBar { border: 2px solid #7a4a1d; border-radius: 5px; background: #fff8e8; }
QProgressBar::chunk { background: #de7312; border-radius: 3px; }
)";

// Skin 2: flowers. Fresh greens with rounded, petal-like buttons.
const char* const kFlowers = R"(
QPushButton { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fdfde8, stop:1 #bfe59a);
              border: 2px solid #4f9a3a; border-radius: 12px; padding: 4px 12px; color: #234d16; }
QPushButton:hover { background: #fff2fb; border-color: #c2408f; }
QPushButton:pressed { background: #a6d77c; }
QListWidget, QTextEdit, QTableWidget { border: 2px solid #4f9a3a; border-radius: 6px; }
QScrollBar:vertical { background: #eef8e4; width: 14px; }
QScrollBar::handle:vertical { background: #8fcf6c; border-radius: 6px; min-height: 24px; }
QComboBox { border: 2px solid #4f9a3a; border-radius: 8px; padding: 2px 8px; background: white; }
QComboBox QAbstractItemView { background: white; color: #234d16; border: 2px solid #4f9a3a;
                              selection-background-color: #2f6b22; selection-color: white; }
QProgressBar { border: 2px solid #4f9a3a; border-radius: 8px; background: white; }
QProgressBar::chunk { background: #e06bb0; border-radius: 6px; }
)";

}  // namespace

void applySkin(int skin) {
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!app) return;
    const char* const sheets[] = {kSnow, kCastle, kFlowers};
    if (skin >= 0 && skin < static_cast<int>(std::size(sheets)))
        app->setStyleSheet(QLatin1String(sheets[skin]));
    else
        app->setStyleSheet(QString());
}

}  // namespace rumbelo
