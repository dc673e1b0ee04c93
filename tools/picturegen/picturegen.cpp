// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws the program's pictures with antialiasing and writes them as PNG files, so that they can
// be remade or changed without an image editor. Usage: picturegen RESOURCES ICONS
// Each picture is written at its own size and, as name@2x.png, at twice that size for screens
// scaled by 2; the application icon also goes into ICONS/hicolor/NxN/apps at the theme's sizes.

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>

#include <cmath>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

constexpr double Pi = 3.14159265358979323846;

// Every picture is drawn in its own pixel coordinates on a transparent image.
using Painting = std::function<void(QPainter &)>;

QPen outline(const QColor &color, double width = 1.0)
{
    QPen pen(color, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

QLinearGradient verticalGradient(double top, double bottom, const QColor &light, const QColor &dark)
{
    QLinearGradient gradient(0, top, 0, bottom);
    gradient.setColorAt(0, light);
    gradient.setColorAt(1, dark);
    return gradient;
}

QPainterPath regularPolygon(QPointF centre, double radius, int corners, double startAngle)
{
    QPainterPath path;
    for (int i = 0; i < corners; ++i) {
        const double angle = startAngle + 2 * Pi * i / corners;
        const QPointF corner(centre.x() + radius * std::cos(angle),
                             centre.y() + radius * std::sin(angle));
        if (i == 0)
            path.moveTo(corner);
        else
            path.lineTo(corner);
    }
    path.closeSubpath();
    return path;
}

QPainterPath triangle(QPointF a, QPointF b, QPointF c)
{
    QPainterPath path;
    path.moveTo(a);
    path.lineTo(b);
    path.lineTo(c);
    path.closeSubpath();
    return path;
}

// --- Tool bar (25 x 24) ---

void drawRun(QPainter &p)
{
    const QPainterPath play = triangle({7.5, 4.5}, {20.5, 12}, {7.5, 19.5});
    p.setPen(outline(QColor(0x1e, 0x6b, 0x1e)));
    p.setBrush(verticalGradient(4, 20, QColor(0x8c, 0xe0, 0x6a), QColor(0x2e, 0x9a, 0x2a)));
    p.drawPath(play);
}

// The step icons share the blue of "one command at a time".
const QColor StepLight(0x8c, 0xbc, 0xf5);
const QColor StepDark(0x2a, 0x62, 0xc0);
const QColor StepLine(0x17, 0x3c, 0x80);

void drawStepShapes(QPainter &p, const QList<double> &triangleLefts, double barLeft)
{
    p.setPen(outline(StepLine));
    p.setBrush(verticalGradient(5, 19, StepLight, StepDark));
    for (double left : triangleLefts)
        p.drawPath(triangle({left, 5.5}, {left + 8.5, 12}, {left, 18.5}));
    p.drawRoundedRect(QRectF(barLeft, 5.5, 3, 13), 1, 1);
}

void drawStep(QPainter &p)
{
    drawStepShapes(p, {7.5}, 16.5);
}

void drawStepTo(QPainter &p)
{
    drawStepShapes(p, {3.5, 11}, 20.5);
}

void drawHalt(QPainter &p)
{
    p.setPen(outline(QColor(0x8a, 0x12, 0x12)));
    p.setBrush(verticalGradient(5, 19, QColor(0xf5, 0x86, 0x7a), QColor(0xc6, 0x22, 0x1c)));
    p.drawRoundedRect(QRectF(6.5, 5.5, 12, 13), 2.5, 2.5);
}

// --- Tape marker (4 x 8) ---

void drawCheck(QPainter &p)
{
    p.fillPath(triangle({0, 0.5}, {4, 4}, {0, 7.5}), QColor(0x20, 0x30, 0x60));
}

// --- Difficulty pictures (32 x 32) ---

void drawDuck(QPainter &p)
{
    const QColor line(0x8a, 0x5a, 0x00);
    const QBrush yellow = verticalGradient(4, 29, QColor(0xff, 0xe8, 0x5c),
                                           QColor(0xf0, 0xb4, 0x00));

    QPainterPath body;
    body.moveTo(4.5, 19);
    body.cubicTo(4.5, 26, 10, 29, 17, 29);
    body.cubicTo(25, 29, 29.5, 25, 29.5, 19);
    body.lineTo(29.5, 12.5);
    body.cubicTo(27, 15.5, 24, 16, 21, 15.5);
    body.cubicTo(15, 14.5, 8, 14, 4.5, 19);
    body.closeSubpath();
    p.setPen(outline(line));
    p.setBrush(yellow);
    p.drawPath(body);

    // The folded wing, a tilted oval on the body.
    p.save();
    p.translate(19.5, 21);
    p.rotate(-18);
    p.setBrush(verticalGradient(-3.5, 3.5, QColor(0xff, 0xd8, 0x30), QColor(0xe0, 0x9c, 0x00)));
    p.drawEllipse(QPointF(0, 0), 6.5, 3.4);
    p.restore();

    QPainterPath beak;
    beak.moveTo(7, 9);
    beak.cubicTo(4, 8.5, 1, 9.5, 0.8, 11.5);
    beak.cubicTo(2, 13.8, 5, 14.3, 8, 13.5);
    beak.closeSubpath();
    p.setBrush(QColor(0xff, 0x7a, 0x10));
    p.setPen(outline(QColor(0xa0, 0x40, 0x00)));
    p.drawPath(beak);

    p.setPen(outline(line));
    p.setBrush(yellow);
    p.drawEllipse(QPointF(12, 10.5), 6.5, 6.5);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x20, 0x18, 0x10));
    p.drawEllipse(QPointF(10.5, 9), 1.5, 1.5);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(10.1, 8.5), 0.5, 0.5);
}

void drawPencil(QPainter &p)
{
    // Drawn lying along the x axis, then turned to run from the lower left to the upper right.
    p.translate(16, 16);
    p.rotate(-45);
    const double half = 4;
    const QPen line = outline(QColor(0x40, 0x30, 0x20));

    p.setPen(line);
    p.setBrush(QColor(0xf0, 0xc8, 0x90));
    p.drawPath(triangle({-20, 0}, {-12, -half}, {-12, half}));

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x30, 0x30, 0x38));
    p.drawPath(triangle({-20, 0}, {-16.5, -1.75}, {-16.5, 1.75}));

    QLinearGradient yellow(0, -half, 0, half);
    yellow.setColorAt(0, QColor(0xff, 0xe0, 0x50));
    yellow.setColorAt(0.5, QColor(0xf8, 0xc0, 0x10));
    yellow.setColorAt(1, QColor(0xd8, 0x98, 0x00));
    p.setPen(line);
    p.setBrush(yellow);
    p.drawRect(QRectF(-12, -half, 20, 2 * half));
    p.setPen(outline(QColor(0xb0, 0x80, 0x00), 0.8));
    p.drawLine(QPointF(-11, -half / 3), QPointF(7, -half / 3));
    p.drawLine(QPointF(-11, half / 3), QPointF(7, half / 3));

    QLinearGradient metal(0, -half, 0, half);
    metal.setColorAt(0, QColor(0xe8, 0xe8, 0xe8));
    metal.setColorAt(0.5, QColor(0xb0, 0xb0, 0xb8));
    metal.setColorAt(1, QColor(0x80, 0x80, 0x88));
    p.setPen(line);
    p.setBrush(metal);
    p.drawRect(QRectF(8, -half, 4, 2 * half));

    p.setBrush(verticalGradient(-half, half, QColor(0xff, 0xa8, 0xb8), QColor(0xe0, 0x60, 0x78)));
    QPainterPath eraser;
    eraser.moveTo(12, -half);
    eraser.lineTo(15, -half);
    eraser.quadTo(17, -half, 17, -half + 2);
    eraser.lineTo(17, half - 2);
    eraser.quadTo(17, half, 15, half);
    eraser.lineTo(12, half);
    eraser.closeSubpath();
    p.drawPath(eraser);
}

void drawNut(QPainter &p)
{
    const QPointF centre(16, 16);
    QPainterPath nut = regularPolygon(centre, 14.5, 6, 0);
    QPainterPath hole;
    hole.addEllipse(centre, 5.5, 5.5);

    QLinearGradient steel(4, 4, 28, 28);
    steel.setColorAt(0, QColor(0xe4, 0xe8, 0xee));
    steel.setColorAt(0.55, QColor(0x9a, 0xa2, 0xae));
    steel.setColorAt(1, QColor(0x5c, 0x64, 0x70));
    p.setPen(outline(QColor(0x38, 0x3e, 0x48)));
    p.setBrush(steel);
    p.drawPath(nut.subtracted(hole));

    // The chamfer of the face and the thread inside the hole.
    p.setBrush(Qt::NoBrush);
    p.setPen(outline(QColor(0xf4, 0xf6, 0xfa, 0xb0), 0.8));
    p.drawEllipse(centre, 11.5, 11.5);
    p.setPen(outline(QColor(0x38, 0x3e, 0x48, 0xc0), 0.8));
    p.drawEllipse(centre, 7, 7);
}

void drawWheel(QPainter &p)
{
    const QPointF centre(16, 16);
    const QColor line(0x3a, 0x20, 0x0c);
    const QColor wood(0xa8, 0x64, 0x28);
    const QColor lightWood(0xd0, 0x8c, 0x48);

    // Spokes with round handles beyond the rim.
    for (int i = 0; i < 8; ++i) {
        const double angle = Pi / 8 + i * Pi / 4;
        const QPointF dir(std::cos(angle), std::sin(angle));
        p.setPen(outline(QColor(0x6c, 0x3c, 0x14), 2.6));
        p.drawLine(centre + dir * 3, centre + dir * 12.5);
        p.setPen(outline(line, 0.9));
        p.setBrush(lightWood);
        p.drawEllipse(centre + dir * 13.3, 2.2, 2.2);
    }

    QPainterPath rim;
    rim.addEllipse(centre, 10.8, 10.8);
    QPainterPath inner;
    inner.addEllipse(centre, 8, 8);
    QRadialGradient grain(centre, 10.5);
    grain.setColorAt(0.7, lightWood);
    grain.setColorAt(1, wood);
    p.setPen(outline(line, 0.9));
    p.setBrush(grain);
    p.drawPath(rim.subtracted(inner));

    p.setBrush(QColor(0xc8, 0xa0, 0x30));
    p.drawEllipse(centre, 3.4, 3.4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x60, 0x40, 0x10));
    p.drawEllipse(centre, 1.1, 1.1);
}

void drawDynamite(QPainter &p)
{
    const QColor line(0x50, 0x08, 0x08);

    // The fuse comes out of the middle stick and ends in a spark.
    QPainterPath fuse;
    fuse.moveTo(16, 11);
    fuse.cubicTo(16, 7, 20, 8.5, 21.5, 5.5);
    p.setPen(outline(QColor(0x40, 0x30, 0x20), 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(fuse);

    QPainterPath spark;
    const QPointF sparkCentre(23, 4);
    for (int i = 0; i < 16; ++i) {
        const double radius = i % 2 == 0 ? 4 : 1.5;
        const double angle = i * Pi / 8;
        const QPointF point = sparkCentre + QPointF(std::cos(angle), std::sin(angle)) * radius;
        if (i == 0)
            spark.moveTo(point);
        else
            spark.lineTo(point);
    }
    spark.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0x9a, 0x00));
    p.drawPath(spark);
    p.setBrush(QColor(0xff, 0xf0, 0x80));
    p.drawEllipse(sparkCentre, 1.4, 1.4);

    const auto stick = [&](double left, double top) {
        QLinearGradient red(left, 0, left + 8, 0);
        red.setColorAt(0, QColor(0xf0, 0x58, 0x48));
        red.setColorAt(0.4, QColor(0xd8, 0x28, 0x20));
        red.setColorAt(1, QColor(0x90, 0x10, 0x10));
        p.setPen(outline(line));
        p.setBrush(red);
        p.drawRoundedRect(QRectF(left, top, 8, 30.5 - top), 2, 2);
        p.setBrush(QColor(0xf0, 0xd8, 0xb0));
        p.drawEllipse(QRectF(left + 0.5, top - 0.2, 7, 2.6));
    };
    stick(4.5, 13);
    stick(19.5, 13);
    stick(12, 11);

    // The cord that ties the bundle.
    p.setPen(outline(QColor(0x20, 0x18, 0x10), 0.8));
    p.setBrush(QColor(0x58, 0x44, 0x30));
    p.drawRect(QRectF(4, 21.5, 24, 3));
}

void drawSkull(QPainter &p)
{
    const QColor line(0x40, 0x3c, 0x38);
    const QBrush bone = verticalGradient(2, 30, QColor(0xfc, 0xfa, 0xf2), QColor(0xc8, 0xc0, 0xb0));

    QPainterPath head;
    head.addEllipse(QPointF(16, 13.5), 12.5, 11.5);
    QPainterPath jaw;
    jaw.addRoundedRect(QRectF(9.5, 18, 13, 11.5), 3, 3);
    p.setPen(outline(line));
    p.setBrush(bone);
    p.drawPath(head.united(jaw));

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x28, 0x24, 0x22));
    p.drawEllipse(QPointF(11, 14.5), 3.6, 3.9);
    p.drawEllipse(QPointF(21, 14.5), 3.6, 3.9);
    p.drawPath(triangle({16, 18.5}, {18, 22}, {14, 22}));

    p.setPen(outline(line, 0.9));
    p.drawLine(QPointF(11, 25.5), QPointF(21, 25.5));
    for (double x : {13.0, 16.0, 19.0})
        p.drawLine(QPointF(x, 23.8), QPointF(x, 27.8));
}

// --- Completion mark (32 x 32) ---

void drawComplete(QPainter &p)
{
    const QPointF centre(16, 16);
    QRadialGradient glow(QPointF(12, 11), 18, QPointF(11, 10));
    glow.setColorAt(0, QColor(0xc8, 0xff, 0xa8));
    glow.setColorAt(0.45, QColor(0x40, 0xc0, 0x38));
    glow.setColorAt(1, QColor(0x0c, 0x68, 0x14));
    p.setPen(outline(QColor(0x08, 0x4a, 0x0e)));
    p.setBrush(glow);
    p.drawEllipse(centre, 13.5, 13.5);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 0xb0));
    p.drawEllipse(QPointF(11.5, 9.5), 4, 2.6);
}

// --- Application icon (110 x 110) ---

void drawMurkle(QPainter &p)
{
    QLinearGradient sky(0, 4, 0, 106);
    sky.setColorAt(0, QColor(0x4a, 0x5c, 0xd8));
    sky.setColorAt(1, QColor(0x22, 0x18, 0x70));
    p.setPen(outline(QColor(0x14, 0x10, 0x48), 2));
    p.setBrush(sky);
    p.drawRoundedRect(QRectF(4, 4, 102, 102), 22, 22);

    // A loop, [ and ], around a strip of tape whose current cell is lit.
    const auto bracket = [&](double x, double direction) {
        QPainterPath path;
        path.moveTo(x + direction * 11, 20);
        path.lineTo(x, 20);
        path.lineTo(x, 90);
        path.lineTo(x + direction * 11, 90);
        p.setPen(outline(QColor(0x10, 0x0c, 0x40, 0x80), 12));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path.translated(1.5, 2));
        QPen pen = outline(QColor(0xf4, 0xf4, 0xff), 8);
        pen.setCapStyle(Qt::SquareCap);
        pen.setJoinStyle(Qt::MiterJoin);
        p.setPen(pen);
        p.drawPath(path);
    };
    bracket(19, 1);
    bracket(91, -1);

    const double cellTop = 44;
    const double cellSize = 20;
    for (int i = 0; i < 3; ++i) {
        const QRectF cell(25 + i * cellSize, cellTop, cellSize, cellSize);
        const bool current = i == 1;
        p.setPen(outline(QColor(0x10, 0x0c, 0x40), 2));
        p.setBrush(current
                   ? QBrush(verticalGradient(cellTop, cellTop + cellSize, QColor(0xff, 0xf0, 0x80),
                                                     QColor(0xff, 0xb8, 0x10)))
                           : QBrush(QColor(0xdc, 0xe0, 0xf8)));
        p.drawRect(cell);
    }

    p.setPen(outline(QColor(0x10, 0x0c, 0x40), 1.5));
    p.setBrush(QColor(0xff, 0xd0, 0x30));
    p.drawPath(triangle({55, 72}, {63, 82}, {47, 82}));
}

struct Picture
{
    const char *name;
    int width;
    int height;
    Painting paint;
};

// Draws a picture designed at width x height onto an image scaled by the given factor.
QImage render(const Picture &picture, double scale)
{
    QImage image(qRound(picture.width * scale), qRound(picture.height * scale),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    picture.paint(painter);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

bool save(const QImage &image, const QString &path, QTextStream &err)
{
    if (QDir().mkpath(QFileInfo(path).path()) && image.save(path, "PNG"))
        return true;
    err << "cannot write " << path << '\n';
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    QTextStream err(stderr);
    if (argc != 3) {
        err << "usage: picturegen RESOURCES ICONS\n";
        return 2;
    }
    const QDir resources(QString::fromLocal8Bit(argv[1]));
    const QDir icons(QString::fromLocal8Bit(argv[2]));

    const Picture appIcon = {"murkle.png", 110, 110, drawMurkle};
    const Picture pictures[] = {
        {"run.png", 25, 24, drawRun},
        {"step.png", 25, 24, drawStep},
        {"stepto.png", 25, 24, drawStepTo},
        {"halt.png", 25, 24, drawHalt},
        {"check.png", 4, 8, drawCheck},
        {"difficulty0.png", 32, 32, drawDuck},
        {"difficulty1.png", 32, 32, drawPencil},
        {"difficulty2.png", 32, 32, drawNut},
        {"difficulty3.png", 32, 32, drawWheel},
        {"difficulty4.png", 32, 32, drawDynamite},
        {"difficulty5.png", 32, 32, drawSkull},
        {"complete.png", 32, 32, drawComplete},
        appIcon,
    };

    for (const Picture &picture : pictures) {
        const QString name = QString::fromLatin1(picture.name);
        const QString doubled = name.chopped(4) + u"@2x.png"_s;
        if (!save(render(picture, 1), resources.filePath(name), err)
            || !save(render(picture, 2), resources.filePath(doubled), err))
            return 1;
    }
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString path = u"hicolor/%1x%1/apps/%2.png"_s.arg(size)
                                 .arg(QStringLiteral(ZINDLE_APP_ID));
        if (!save(render(appIcon, double(size) / appIcon.width), icons.filePath(path), err))
            return 1;
    }
    return 0;
}
