#include "sheet.h"

#include <QFont>
#include <QPainter>
#include <stdexcept>

#include "common/lists/image_list.h"
#include "common/program/themes.h"
#include "paint_kit.h"
#include "previews.h"

namespace rumbelo::art {
namespace {

constexpr int kPageWidth = 1700;
constexpr int kMaxCell = 820;
constexpr int kGap = 12;
constexpr int kCaption = 16;

struct Picture {
    QString caption;
    QList<QImage> frames;
    bool keyed = false;  // a BMP whose white is transparent
};

// Reads what the forge made through the program's own readers, as the scene will.
void collect(const OutputFile& file, const QStringList& onlyItems, std::vector<Picture>& out) {
    if (file.name.endsWith(QLatin1String(".dxw"), Qt::CaseInsensitive) ||
        file.name.endsWith(QLatin1String(".wav"), Qt::CaseInsensitive))
        return;
    if (file.bytes.startsWith("RDXG")) {
        ImageList list;
        if (!list.loadFromBytes(file.bytes, file.name))
            throw std::runtime_error(list.errorString().toStdString());
        for (const ImageItem& item : list.items()) {
            if (!onlyItems.isEmpty() && !onlyItems.contains(item.name())) continue;
            QList<QImage> frames;
            for (int i = 0; i < item.patternCount(); ++i)
                frames.append(item.frame(i));
            out.push_back({QStringLiteral("%1  %2x%3 x%4")
                               .arg(item.name())
                               .arg(item.width())
                               .arg(item.height())
                               .arg(item.patternCount()),
                           frames});
        }
        return;
    }
    QImage image;
    if (!image.loadFromData(file.bytes, "BMP"))
        throw std::runtime_error(file.name.toStdString() + ": not a readable BMP");
    out.push_back(
        {QStringLiteral("%1  %2x%3").arg(file.name).arg(image.width()).arg(image.height()),
         {image},
         true});
}

QImage keyedToAlpha(const QImage& image) {
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if ((line[x] & 0xffffff) == 0xffffff) line[x] = 0;
    }
    return out;
}

QImage layOut(const std::vector<Picture>& pictures, const QString& title) {
    // Place cells left to right, wrapping; scale down anything wider than a cell allows.
    struct Cell {
        QRectF at;
        double scale;
        const Picture* picture;
    };
    std::vector<Cell> cells;
    double x = kGap, y = 40, rowHeight = 0;
    for (const Picture& picture : pictures) {
        const QSize one = picture.frames.front().size();
        const int count = static_cast<int>(picture.frames.size());
        double width = one.width() * count + 4.0 * (count - 1);
        double scale = one.width() < 60 && one.height() < 200 ? 2.0 : 1.0;
        if (width * scale > kMaxCell) scale = kMaxCell / width;
        if (one.height() * scale > 620) scale = std::min(scale, 620.0 / one.height());
        const double w = std::max(width * scale, 150.0);
        const double h = one.height() * scale + kCaption;
        if (x + w > kPageWidth - kGap) {
            x = kGap;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        cells.push_back({QRectF(x, y, w, h), scale, &picture});
        x += w + kGap;
        rowHeight = std::max(rowHeight, h);
    }
    QImage page(kPageWidth, static_cast<int>(y + rowHeight + kGap), QImage::Format_RGB32);
    page.fill(QColor(236, 236, 240));
    QPainter p(&page);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 14, QFont::Bold));
    p.drawText(QPointF(kGap, 26), title);
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 8));
    for (const Cell& cell : cells) {
        const QSize one = cell.picture->frames.front().size();
        double fx = cell.at.left();
        for (const QImage& frame : cell.picture->frames) {
            const QRectF target(fx, cell.at.top(), one.width() * cell.scale,
                                one.height() * cell.scale);
            // A checkerboard shows what is transparent.
            for (int cy = 0; cy < target.height(); cy += 8)
                for (int cx = 0; cx < target.width(); cx += 8)
                    p.fillRect(QRectF(target.left() + cx, target.top() + cy,
                                      std::min(8.0, target.width() - cx),
                                      std::min(8.0, target.height() - cy)),
                               ((cx + cy) / 8) % 2 ? QColor(200, 200, 205) : QColor(170, 170, 178));
            p.drawImage(target, cell.picture->keyed ? keyedToAlpha(frame) : frame);
            fx += (one.width() + 4) * cell.scale;
        }
        p.setPen(Qt::black);
        p.drawText(QPointF(cell.at.left(), cell.at.bottom() - 3), cell.picture->caption);
    }
    p.end();
    return page;
}

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

void writeContactSheet(const Forge& forge, const QString& what, const QString& pngPath) {
    if (what.startsWith(QLatin1String("world-")) && what.size() == 7) {
        const QImage preview = worldPreview(forge, what.back().toLatin1(), 0.5);
        if (!preview.save(pngPath, "PNG"))
            throw std::runtime_error(pngPath.toStdString() + ": cannot be written");
        return;
    }
    if (what.startsWith(QLatin1String("static-")) && what.size() == 8) {
        const QImage preview = staticScenePreview(forge, what.back().toLatin1());
        if (!preview.save(pngPath, "PNG"))
            throw std::runtime_error(pngPath.toStdString() + ": cannot be written");
        return;
    }
    std::vector<Picture> pictures;
    QString title;
    if (what == QLatin1String("common")) {
        for (const OutputFile& file : forge.commonList())
            collect(file, {}, pictures);
        QImage swatches(16 * 10, 16 * 10, QImage::Format_ARGB32);
        ImageList list;
        list.loadFromBytes(forge.commonList().front().bytes, QStringLiteral("segdxg1.DXG"));
        for (int i = 0; i < list.colourTable().size(); ++i)
            for (int dy = 0; dy < 10; ++dy)
                for (int dx = 0; dx < 10; ++dx)
                    swatches.setPixel((i % 16) * 10 + dx, (i / 16) * 10 + dy,
                                      list.colourTable()[i]);
        pictures.push_back(
            {QStringLiteral("colour table (%1)").arg(list.colourTable().size()), {swatches}});
        title = QStringLiteral("segdxg1.DXG: the pupil, marker, icons and colour table");
    } else if (what == QLatin1String("guide")) {
        for (const OutputFile& file : forge.guideFiles())
            collect(file, {}, pictures);
        for (const OutputFile& file : forge.sharedPictures())
            collect(file, {}, pictures);
        title = QStringLiteral("Guide girl, static scene door and bubble, shared pictures");
    } else if (what == QLatin1String("icons")) {
        for (const OutputFile& file : forge.iconList())
            collect(file, {}, pictures);
        title = QStringLiteral("iconos.DXG: the icons beside the list rows");
    } else {
        const auto theme = what.size() == 1 ? themeFor(what.toStdString()) : std::nullopt;
        if (!theme)
            throw std::runtime_error("sheet: THEME is F, C, N, A, P, E, common, guide or icons");
        const char letter = theme->letter;
        for (const OutputFile& file : forge.themeFiles(letter))
            collect(file, {}, pictures);
        // What the theme borrows: its torch list items and frame tiles drawn by another theme.
        QStringList decorations;
        if (letter == 'F')
            decorations = {QStringLiteral("mariposa")};
        else if (letter == 'C')
            decorations = {QStringLiteral("bandera"), QStringLiteral("espada")};
        else if (letter == 'N')
            decorations = {QStringLiteral("antorcha"), QStringLiteral("payaso")};
        else
            decorations = {QStringLiteral("antorcha")};
        for (const OutputFile& file : forge.torchLists())
            if (file.name == q(theme->torchList)) collect(file, decorations, pictures);
        if (Forge::frameOwner(letter) != letter)
            for (const OutputFile& file : forge.frameTiles(letter))
                collect(file, {}, pictures);
        for (const OutputFile& file : forge.sharedPictures())
            if (file.name == q(theme->leaveSign)) collect(file, {}, pictures);
        title = QStringLiteral("Theme %1: %2, %3")
                    .arg(QChar(letter))
                    .arg(q(theme->sceneList), q(theme->torchList));
    }
    const QImage page = layOut(pictures, title);
    if (!page.save(pngPath, "PNG"))
        throw std::runtime_error(pngPath.toStdString() + ": cannot be written");
}

}  // namespace rumbelo::art
