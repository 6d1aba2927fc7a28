#include "figure_rig.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "paint_kit.h"

namespace rumbelo::art {
namespace {

constexpr double kPi = 3.14159265358979323846;

// A direction on the ground: x to the right on screen, z towards the viewer.
struct Ground {
    double x, z;
};

struct Part {
    double depth;  // larger is nearer the viewer
    std::function<void(QPainter&)> paint;
};

class Rig {
  public:
    Rig(const FigureLook& look, const FigurePose& pose) : look_(look), pose_(pose) {
        const double t = pose.facing * kPi / 180;
        forward_ = {std::sin(t), std::cos(t)};
        right_ = {-std::cos(t), std::sin(t)};
        const double swing = std::sin(2 * kPi * pose.phase) * pose.stride;
        bob_ = -std::abs(std::sin(2 * kPi * pose.phase)) * 2.5 * pose.stride;
        legSwing_ = swing;
        hipY_ = -look.legLength + bob_;
        shoulderY_ = hipY_ - look.torsoHeight;
        headY_ = shoulderY_ - look.headRadius * 0.82;
    }

    std::vector<Part> parts() const {
        std::vector<Part> out;
        for (int side : {-1, 1}) {
            out.push_back({lateralDepth(side * 6) - 1, [=, this](QPainter& p) { leg(p, side); }});
            out.push_back({armDepth(side), [=, this](QPainter& p) { arm(p, side); }});
        }
        out.push_back({0, [this](QPainter& p) { torso(p); }});
        if (look_.backpack) out.push_back({-forward_.z * 14, [this](QPainter& p) { backpack(p); }});
        if (look_.ponytail)
            out.push_back({-forward_.z * 20 - 0.5, [this](QPainter& p) { ponytail(p); }});
        out.push_back({0.5, [this](QPainter& p) { head(p); }});
        std::stable_sort(out.begin(), out.end(),
                         [](const Part& a, const Part& b) { return a.depth < b.depth; });
        return out;
    }

  private:
    double lateralDepth(double lateral) const { return right_.z * lateral; }
    double armDepth(int side) const {
        const double lateral = side * (look_.shoulderWidth / 2 + 2);
        return lateralDepth(lateral) + forward_.z * armSwing(side) * 0.5 + 0.2;
    }
    double armSwing(int side) const {
        // Arms swing against the legs; the right arm (side 1) with the left leg.
        return -side * legSwing_ * 9;
    }
    // Screen x of a point `lateral` to the figure's right and `ahead` in front of it.
    double sx(double lateral, double ahead) const {
        return right_.x * lateral + forward_.x * ahead;
    }
    // Depth shows as a small vertical shift in this top-down view.
    double sy(double lateral, double ahead) const {
        return (right_.z * lateral + forward_.z * ahead) * 0.3;
    }

    QColor outline() const { return look_.outline; }
    QPen outlinePen(double width = 1.6) const {
        return QPen(outline(), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    }

    void limb(QPainter& p, QPointF from, QPointF to, const QColor& colour, double width) const {
        p.setPen(QPen(outline(), width + 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(from, to);
        p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(from, to);
        p.setPen(QPen(shade(colour, 1.25), width * 0.3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(from + QPointF(-width * 0.2, 0), to + QPointF(-width * 0.2, 0));
    }

    void leg(QPainter& p, int side) const {
        const double lateral = side * 6;
        const double ahead = side * legSwing_ * 11;
        const double lift =
            std::max(0.0, -side * std::cos(2 * kPi * pose_.phase)) * 5 * pose_.stride;
        const QPointF hip(sx(lateral, 0), hipY_ + 4 + sy(lateral, 0));
        const QPointF foot(sx(lateral, ahead), -5 - lift + sy(lateral, ahead));
        const QPointF knee((hip.x() + foot.x()) / 2 + forward_.x * 2, (hip.y() + foot.y()) / 2);
        const QColor legColour = look_.skirt ? look_.skin : look_.bottom;
        limb(p, hip, knee, legColour, look_.limbWidth);
        limb(p, knee, foot, look_.skirt ? look_.skin : shade(look_.bottom, 0.95),
             look_.limbWidth * 0.9);
        // Shoe: long seen from the side, round seen from the front.
        const double length = look_.limbWidth * (1.25 + 0.7 * std::abs(forward_.x));
        QRectF shoe(foot.x() - length / 2 + forward_.x * look_.limbWidth * 0.4, foot.y() - 2,
                    length, look_.limbWidth * 0.8);
        p.setPen(outlinePen());
        p.setBrush(vertical(shoe, shade(look_.shoes, 1.1), shade(look_.shoes, 0.8)));
        p.drawRoundedRect(shoe, 3.5, 3.5);
    }

    void arm(QPainter& p, int side) const {
        const double lateral = side * (look_.shoulderWidth / 2 + 1);
        const QPointF shoulder(sx(lateral, 0), shoulderY_ + 6 + sy(lateral, 0));
        QPointF hand;
        if (side == 1 && pose_.wave > 0) {
            // Waving: the forearm up beside the head, swinging a little.
            // The upper arm out to the side, the forearm up beside the head.
            const double out = right_.x >= 0 ? 1 : -1;
            const QPointF elbow =
                shoulder + QPointF(out * look_.torsoHeight * 0.3, look_.torsoHeight * 0.12);
            hand = elbow +
                   QPointF(out * look_.torsoHeight * 0.06, -look_.torsoHeight * 0.42 * pose_.wave);
            limb(p, shoulder, elbow, look_.top, look_.limbWidth * 0.9);
            limb(p, elbow, hand, look_.skin, look_.limbWidth * 0.75);
        } else {
            const double ahead = armSwing(side);
            const QPointF elbow(shoulder.x() + sx(side * 1.5, ahead * 0.5),
                                shoulder.y() + 20 + sy(0, ahead * 0.5));
            hand = QPointF(shoulder.x() + sx(side * 2, ahead), shoulder.y() + 38 + sy(0, ahead));
            limb(p, shoulder, elbow, look_.top, look_.limbWidth * 0.9);
            limb(p, elbow, hand, look_.skin, look_.limbWidth * 0.75);
        }
        p.setPen(outlinePen());
        p.setBrush(look_.skin);
        p.drawEllipse(hand, look_.limbWidth * 0.5, look_.limbWidth * 0.5);
    }

    double bodyWidth() const { return look_.shoulderWidth * (0.72 + 0.28 * std::abs(forward_.z)); }

    void torso(QPainter& p) const {
        const double w = bodyWidth();
        const double hipW = w * 0.9;
        QPainterPath body;
        body.moveTo(-w / 2, shoulderY_ + 5);
        body.quadTo(-w / 2, shoulderY_ - 1, -w / 2 + 6, shoulderY_ - 1);
        body.lineTo(w / 2 - 6, shoulderY_ - 1);
        body.quadTo(w / 2, shoulderY_ - 1, w / 2, shoulderY_ + 5);
        body.lineTo(hipW / 2, hipY_ + 8);
        body.lineTo(-hipW / 2, hipY_ + 8);
        body.closeSubpath();
        const QRectF box = body.boundingRect();
        // Trousers or skirt below the top.
        QPainterPath lower;
        if (look_.skirt) {
            lower.moveTo(-hipW / 2, hipY_ - 6);
            lower.lineTo(hipW / 2, hipY_ - 6);
            lower.lineTo(hipW / 2 + 8, hipY_ + 22);
            lower.lineTo(-hipW / 2 - 8, hipY_ + 22);
            lower.closeSubpath();
        } else {
            lower.addRoundedRect(QRectF(-hipW / 2, hipY_ - 6, hipW, 16), 5, 5);
        }
        p.setPen(outlinePen());
        p.setBrush(
            horizontal(lower.boundingRect(), shade(look_.bottom, 1.15), shade(look_.bottom, 0.8)));
        p.drawPath(lower);
        p.setBrush(horizontal(box, shade(look_.top, 1.2), shade(look_.top, 0.78)));
        p.drawPath(body);
        // A star on the chest when it faces the viewer; the hem in the trim colour.
        if (forward_.z > 0.2) {
            const QPointF star(sx(look_.shoulderWidth * 0.18, 0),
                               shoulderY_ + look_.torsoHeight * 0.38);
            const double r = look_.shoulderWidth * 0.13 * forward_.z;
            QPolygonF points;
            for (int i = 0; i < 10; ++i) {
                const double a = -kPi / 2 + i * kPi / 5;
                points << star + QPointF(std::cos(a), std::sin(a)) * (i % 2 ? r * 0.45 : r);
            }
            p.setPen(Qt::NoPen);
            p.setBrush(look_.topTrim);
            p.drawPolygon(points);
        }
        p.setPen(QPen(shade(look_.top, 0.7), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(-hipW / 2 + 1, hipY_ + 5), QPointF(hipW / 2 - 1, hipY_ + 5));
        p.setPen(outlinePen(1.2));
        p.setBrush(look_.topTrim);
        p.drawEllipse(QPointF(sx(0, 2), shoulderY_ + 1), w * 0.22, 3);
        if (look_.backpack && forward_.z > -0.2) {
            // Straps over the shoulders.
            p.setPen(QPen(look_.bagStrap, 3.5, Qt::SolidLine, Qt::RoundCap));
            for (int side : {-1, 1}) {
                const double x = side * w * 0.3 * std::abs(forward_.z) + forward_.x * -3;
                p.drawLine(QPointF(x, shoulderY_ + 1), QPointF(x * 0.9, shoulderY_ + 30));
            }
        }
    }

    void backpack(QPainter& p) const {
        const double w = 12 + 12 * std::abs(forward_.z);
        const double cx = sx(0, -10);
        const QRectF bag(cx - w / 2, shoulderY_ + 3, w, 36);
        p.setPen(outlinePen());
        p.setBrush(vertical(bag, shade(look_.bag, 1.2), shade(look_.bag, 0.78)));
        p.drawRoundedRect(bag, 6, 6);
        // Pocket and flap.
        const QRectF pocket(bag.left() + 3, bag.bottom() - 14, bag.width() - 6, 10);
        p.setBrush(shade(look_.bag, 0.9));
        p.drawRoundedRect(pocket, 3, 3);
        p.setPen(QPen(look_.bagStrap, 2));
        p.drawLine(QPointF(bag.left() + 3, bag.top() + 10),
                   QPointF(bag.right() - 3, bag.top() + 10));
    }

    void ponytail(QPainter& p) const {
        const double back = -look_.headRadius * 0.9;
        const QPointF root(sx(0, back), headY_ - 4 + sy(0, back));
        const double sway = std::sin(2 * kPi * pose_.phase) * 3 * pose_.stride;
        QPainterPath tail;
        tail.moveTo(root + QPointF(-5, 0));
        tail.cubicTo(root + QPointF(-10 + sx(0, -8), 18), root + QPointF(-4 + sway, 30),
                     root + QPointF(sway + sx(0, -4), 38));
        tail.cubicTo(root + QPointF(6 + sway, 28), root + QPointF(10, 14), root + QPointF(5, 0));
        tail.closeSubpath();
        p.setPen(outlinePen());
        p.setBrush(vertical(tail.boundingRect(), shade(look_.hair, 1.2), shade(look_.hair, 0.85)));
        p.drawPath(tail);
        p.setPen(Qt::NoPen);
        p.setBrush(look_.topTrim);
        p.drawEllipse(root + QPointF(0, 2), 4, 3);
    }

    // A point on the head's surface, `azimuth` degrees to the figure's right of straight
    // ahead, `rise` pixels above the head's centre; nothing when it faces away.
    bool headPoint(double azimuth, double rise, double r, QPointF& at) const {
        const double a = azimuth * kPi / 180;
        const double x = forward_.x * std::cos(a) + right_.x * std::sin(a);
        const double z = forward_.z * std::cos(a) + right_.z * std::sin(a);
        if (z < 0.05) return false;
        at = QPointF(x * r, headY_ - rise);
        return true;
    }

    void head(QPainter& p) const {
        const double r = look_.headRadius;
        const QPointF centre(0, headY_);
        // Neck.
        p.setPen(outlinePen());
        p.setBrush(shade(look_.skin, 0.9));
        p.drawRect(QRectF(-4, headY_ + r * 0.7, 8, shoulderY_ - headY_ - r * 0.7 + 2));
        // Ears.
        for (int side : {-1, 1}) {
            QPointF ear;
            if (headPoint(side * 90, 0, r * 0.97, ear)) {
                p.setBrush(shade(look_.skin, 0.95));
                p.drawEllipse(ear, 4, 5.5);
            }
        }
        // Head: hair colour all round, then the face where it looks towards the viewer.
        const QBrush skinLight = radial(centre + QPointF(-r * 0.35, -r * 0.35), r * 1.4,
                                        shade(look_.skin, 1.12), shade(look_.skin, 0.88));
        const QBrush hairLight = radial(centre + QPointF(-r * 0.35, -r * 0.5), r * 1.5,
                                        shade(look_.hair, 1.35), shade(look_.hair, 0.85));
        p.setBrush(hairLight);
        // Hair with some volume over the crown, then the head itself.
        p.drawEllipse(centre + QPointF(-forward_.x * r * 0.08, -r * 0.08), r * 1.07, r * 1.04);
        p.setPen(Qt::NoPen);
        p.drawEllipse(centre, r, r);
        // A few strands sweeping down from the crown.
        p.setPen(QPen(shade(look_.hair, 0.8), 1.1, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        const QPointF crown =
            centre + QPointF(-forward_.x * r * 0.35, -r * 0.5 - forward_.z * r * 0.2);
        for (const double k : {-1.6, -0.5, 0.7, 1.7}) {
            QPainterPath strand;
            strand.moveTo(crown + QPointF(k * r * 0.12, 0));
            strand.quadTo(crown + QPointF(k * r * 0.3 + r * 0.1, r * 0.15),
                          crown + QPointF(k * r * 0.38, r * (0.45 + 0.08 * std::abs(k))));
            p.drawPath(strand);
        }
        p.setPen(outlinePen());
        const double faceShow = forward_.z;  // -1 .. 1
        if (faceShow > -0.55) {
            const double w = r * (0.55 + 0.45 * std::max(0.0, faceShow)) * (faceShow > 0 ? 1 : 0.6);
            const QPointF faceCentre(forward_.x * r * 0.45, headY_ + r * 0.18);
            QPainterPath head;
            head.addEllipse(centre, r, r);
            QPainterPath face;
            face.addEllipse(faceCentre, w, r * 0.8);
            p.setPen(Qt::NoPen);
            p.setBrush(skinLight);
            p.drawPath(head.intersected(face));
            // Fringe over the forehead.
            p.setBrush(hairLight);
            QPainterPath fringe;
            fringe.moveTo(-r, headY_ - 1);
            fringe.quadTo(faceCentre.x() - w * 0.2, headY_ - r * 0.05, faceCentre.x() + w * 0.3,
                          headY_ - r * 0.45);
            fringe.quadTo(faceCentre.x() + w * 0.7, headY_ - r * 0.1, r, headY_ - 2);
            fringe.lineTo(r, headY_ - r);
            fringe.lineTo(-r, headY_ - r);
            fringe.closeSubpath();
            p.drawPath(fringe.intersected(head));
            // The chin's outline below the hair.
            p.setPen(outlinePen(1.8));
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), 195 * 16, 150 * 16);
        }
        face(p, r);
    }

    void face(QPainter& p, double r) const {
        QPointF at;
        // Eyes: white, pupil, a glint.
        for (int side : {-1, 1}) {
            if (!headPoint(side * 28, -r * 0.02, r * 0.95, at)) continue;
            p.setPen(QPen(outline(), 1));
            p.setBrush(QColor(252, 252, 250));
            p.drawEllipse(at, r * 0.16, r * 0.21);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(60, 40, 30));
            p.drawEllipse(at + QPointF(forward_.x * 1.2, 1), r * 0.1, r * 0.13);
            p.setBrush(QColor(255, 255, 255, 230));
            p.drawEllipse(at + QPointF(-1, -1.5), 1.2, 1.2);
            // Cheek.
            QPointF cheek;
            if (headPoint(side * 45, -r * 0.38, r * 0.93, cheek)) {
                p.setBrush(QColor(240, 120, 120, 90));
                p.drawEllipse(cheek, r * 0.14, r * 0.09);
            }
        }
        if (headPoint(0, -r * 0.45, r * 0.95, at)) {
            p.setPen(QPen(QColor(120, 50, 40), 1.6, Qt::SolidLine, Qt::RoundCap));
            if (pose_.mouthOpen) {
                p.setBrush(QColor(150, 50, 50));
                p.drawEllipse(at, r * 0.14, r * 0.11);
            } else {
                p.setBrush(Qt::NoBrush);
                p.drawArc(QRectF(at.x() - r * 0.22, at.y() - r * 0.18, r * 0.44, r * 0.3), 200 * 16,
                          140 * 16);
            }
        }
    }

    const FigureLook& look_;
    const FigurePose& pose_;
    Ground forward_{}, right_{};
    double bob_ = 0, legSwing_ = 0, hipY_ = 0, shoulderY_ = 0, headY_ = 0;
};

}  // namespace

void drawFigure(QImage& image, double footX, double footY, const FigureLook& look,
                const FigurePose& pose) {
    QPainter p;
    beginPainter(p, image);
    floorShadow(p, QRectF(footX - 20, footY - 7, 40, 10), 90);
    p.translate(footX, footY);
    const Rig rig(look, pose);
    for (const Part& part : rig.parts()) {
        p.save();
        part.paint(p);
        p.restore();
    }
    p.end();
}

}  // namespace rumbelo::art
