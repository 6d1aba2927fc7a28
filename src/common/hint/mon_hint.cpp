#include "common/hint/mon_hint.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace rumbelo {
namespace {

constexpr int kMaxTextWidth = 200;
constexpr int kTailHeight = 20;

QString withLineBreaks(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

// The widget itself or the nearest parent that has a hint.
QWidget* hintOwner(QWidget* w) {
    for (; w; w = w->parentWidget()) {
        if (!w->toolTip().isEmpty()) return w;
        if (w->isWindow()) break;
    }
    return nullptr;
}

}  // namespace

TMonHint::TMonHint(int& hintDelayMs)
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint), hintDelayMs_(hintDelayMs) {
    setObjectName(QStringLiteral("TMonHint"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFont(QToolTip::font());
}

QSize TMonHint::sizeFor(const QString& text, const QFont& font) {
    const QRect r = QFontMetrics(font).boundingRect(QRect(0, 0, kMaxTextWidth, 10000),
                                                    Qt::TextWordWrap, withLineBreaks(text));
    // The standard hint adds a small margin; the bubble adds room for its edge and tail.
    return {r.width() + 6 + 10, r.height() + 2 + 30};
}

QPainterPath TMonHint::shapeFor(QSize size) {
    QPainterPath path;
    path.addRoundedRect(QRectF(0, kTailHeight, size.width(), size.height() - kTailHeight), 15, 15);
    QPainterPath tail;
    tail.moveTo(18, kTailHeight);
    tail.lineTo(23, 0);
    tail.lineTo(33, kTailHeight);
    tail.closeSubpath();
    return path.united(tail);
}

void TMonHint::activateHint(const QPoint& cursor, const QString& text) {
    text_ = text;
    resize(sizeFor(text, font()));
    move(cursor + QPoint(-23, 18));
    shapePending_ = true;
    show();
    update();
}

void TMonHint::paintEvent(QPaintEvent*) {
    const QPainterPath shape = shapeFor(size());
    if (shapePending_) {
        setMask(QRegion(shape.toFillPolygon().toPolygon()));
        shapePending_ = false;
    }
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillPath(shape, palette().color(QPalette::ToolTipBase));
    p.setPen(QPen(QColor(96, 96, 96), 2));
    p.drawPath(shape);
    p.setPen(QPen(QColor(160, 160, 160), 1));
    p.drawPath(shape);
    QRect textRect = rect().adjusted(5, 5, -5, -5);
    textRect.setTop(textRect.top() + 22);
    hintDelayMs_ = 400;
    p.setPen(palette().color(QPalette::ToolTipText));
    p.drawText(textRect, Qt::AlignCenter | Qt::TextWordWrap, withLineBreaks(text_));
}

HintWatcher::HintWatcher(int& hintDelayMs, QObject* parent)
    : QObject(parent), hintDelayMs_(hintDelayMs), hint_(new TMonHint(hintDelayMs)) {
    due_.setSingleShot(true);
    connect(&due_, &QTimer::timeout, this, &HintWatcher::showDue);
    shown_.setSingleShot(true);
    connect(&shown_, &QTimer::timeout, this, [this] { hint_->hide(); });
}

HintWatcher::~HintWatcher() {
    delete hint_;
}

HintWatcher* HintWatcher::install(int& hintDelayMs, QObject* owner) {
    auto* app = QCoreApplication::instance();
    if (!app || !owner) return nullptr;
    if (auto* existing = owner->findChild<HintWatcher*>(QString(), Qt::FindDirectChildrenOnly))
        return existing;
    // Destroyed with its owner, which also takes it off the application's filters.
    auto* watcher = new HintWatcher(hintDelayMs, owner);
    app->installEventFilter(watcher);
    return watcher;
}

bool HintWatcher::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::ToolTip:
            return true;  // the bubble replaces Qt's tool-tip
        case QEvent::MouseMove:
        case QEvent::Enter: {
            auto* widget = qobject_cast<QWidget*>(watched);
            if (!widget || widget == hint_) break;
            // A move a label or an idle button ignores travels on to its parent: the control
            // is still the one under the pointer, not the parent the event has reached.
            if (event->type() == QEvent::MouseMove)
                if (QWidget* under =
                        widget->childAt(static_cast<QMouseEvent*>(event)->position().toPoint()))
                    widget = under;
            QWidget* owner = hintOwner(widget);
            if (owner == target_) break;
            hide();
            target_ = owner;
            if (owner) due_.start(hintDelayMs_);
            break;
        }
        case QEvent::Leave:
            if (watched == target_) {
                hide();
                target_ = nullptr;
            }
            break;
        case QEvent::MouseButtonPress:
        case QEvent::KeyPress:
        case QEvent::Wheel:
            hide();
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

void HintWatcher::showDue() {
    if (!target_ || !target_->isVisible() || target_->toolTip().isEmpty()) return;
    hint_->activateHint(QCursor::pos(), target_->toolTip());
    shown_.start(hidePauseMs_);
}

void HintWatcher::hide() {
    due_.stop();
    shown_.stop();
    hint_->hide();
}

}  // namespace rumbelo
