// Draws the program's pictures (splash, main background, about box, the
// screens' picture strips, the icon) and writes them as JPEG files into the
// folder given on the command line. Run it by hand when the art changes:
//   QT_QPA_PLATFORM=offscreen build/draw_art app/art
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <cstdio>

namespace {

QColor mix(const QColor &a, const QColor &b, double t)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

void sky(QPainter &p, const QRectF &r, const QColor &top, const QColor &bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(r, g);
}

void hills(QPainter &p, double w, double base, double amp, double phase, const QColor &c)
{
    QPainterPath path;
    path.moveTo(0, base);
    for (double x = 0; x <= w; x += 4)
        path.lineTo(x, base - amp * (0.6 + 0.4 * std::sin(x / w * 6.28 * 1.3 + phase))
                           - amp * 0.3 * std::sin(x / w * 6.28 * 3.1 + phase * 2));
    path.lineTo(w, base + 400);
    path.lineTo(0, base + 400);
    path.closeSubpath();
    p.fillPath(path, c);
}

// A house standing on baseY: walls, pitched roof, a door and windows.
void house(QPainter &p, double x, double baseY, double w, double h, const QColor &wall, const QColor &roof,
           const QColor &window, bool chimney = true)
{
    p.setPen(Qt::NoPen);
    const double roofH = h * 0.55;
    if (chimney) {
        p.setBrush(roof.darker(130));
        p.drawRect(QRectF(x + w * 0.68, baseY - h - roofH * 0.8, w * 0.1, roofH * 0.6));
    }
    p.setBrush(wall);
    p.drawRect(QRectF(x, baseY - h, w, h));
    QPainterPath r;
    r.moveTo(x - w * 0.08, baseY - h);
    r.lineTo(x + w / 2, baseY - h - roofH);
    r.lineTo(x + w * 1.08, baseY - h);
    r.closeSubpath();
    p.fillPath(r, roof);
    // Door.
    p.setBrush(wall.darker(170));
    p.drawRect(QRectF(x + w * 0.42, baseY - h * 0.5, w * 0.16, h * 0.5));
    // Windows.
    p.setBrush(window);
    const double ww = w * 0.2, wh = h * 0.24;
    p.drawRect(QRectF(x + w * 0.1, baseY - h * 0.72, ww, wh));
    p.drawRect(QRectF(x + w * 0.7, baseY - h * 0.72, ww, wh));
    p.setPen(QPen(wall.darker(140), std::max(1.0, w * 0.015)));
    p.drawLine(QPointF(x + w * 0.2, baseY - h * 0.72), QPointF(x + w * 0.2, baseY - h * 0.48));
    p.drawLine(QPointF(x + w * 0.8, baseY - h * 0.72), QPointF(x + w * 0.8, baseY - h * 0.48));
    p.setPen(Qt::NoPen);
}

// A block of flats with a grid of windows.
void tower(QPainter &p, double x, double baseY, double w, double h, const QColor &wall, const QColor &lit,
           const QColor &dark, quint32 seed)
{
    QRandomGenerator rng(seed);
    p.setPen(Qt::NoPen);
    p.setBrush(wall);
    p.drawRect(QRectF(x, baseY - h, w, h));
    const int cols = std::max(2, int(w / 14));
    const int rows = std::max(3, int(h / 18));
    const double cw = w / cols, rh = h / rows;
    for (int r = 0; r < rows - 1; ++r)
        for (int c = 0; c < cols; ++c) {
            p.setBrush(rng.bounded(100) < 55 ? lit : dark);
            p.drawRect(QRectF(x + c * cw + cw * 0.25, baseY - h + r * rh + rh * 0.3, cw * 0.5, rh * 0.45));
        }
}

void tree(QPainter &p, double x, double baseY, double s, const QColor &leaf)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(92, 64, 44));
    p.drawRect(QRectF(x - s * 0.06, baseY - s * 0.5, s * 0.12, s * 0.5));
    p.setBrush(leaf);
    p.drawEllipse(QPointF(x, baseY - s * 0.75), s * 0.32, s * 0.36);
    p.setBrush(leaf.lighter(115));
    p.drawEllipse(QPointF(x - s * 0.1, baseY - s * 0.85), s * 0.16, s * 0.16);
}

void key(QPainter &p, QPointF at, double s, const QColor &c)
{
    p.setPen(QPen(c, s * 0.12, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(at, s * 0.3, s * 0.3);
    p.drawLine(at + QPointF(0, s * 0.3), at + QPointF(0, s * 1.4));
    p.drawLine(at + QPointF(0, s * 1.1), at + QPointF(s * 0.25, s * 1.1));
    p.drawLine(at + QPointF(0, s * 1.35), at + QPointF(s * 0.2, s * 1.35));
    p.setPen(Qt::NoPen);
}

QFont face(const char *family, int px, bool bold = false)
{
    QFont f(QString::fromLatin1(family));
    f.setPixelSize(px);
    f.setBold(bold);
    return f;
}

QImage splash()
{
    QImage img(560, 384, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    sky(p, img.rect(), QColor(34, 46, 96), QColor(236, 150, 96));
    p.setBrush(QColor(255, 236, 190));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(440, 250), 34, 34);
    hills(p, 560, 300, 40, 0.4, QColor(82, 70, 110));
    const QColor lit(255, 214, 120), dark(60, 56, 84);
    tower(p, 30, 330, 60, 170, QColor(58, 54, 86), lit, dark, 7);
    tower(p, 96, 330, 46, 120, QColor(70, 62, 98), lit, dark, 11);
    tower(p, 470, 330, 70, 150, QColor(58, 54, 86), lit, dark, 13);
    house(p, 160, 330, 90, 64, QColor(196, 120, 92), QColor(110, 44, 50), lit);
    house(p, 270, 330, 110, 78, QColor(226, 196, 150), QColor(96, 52, 60), lit);
    house(p, 395, 330, 70, 52, QColor(170, 140, 120), QColor(92, 48, 56), lit, false);
    tree(p, 150, 332, 60, QColor(46, 84, 70));
    tree(p, 392, 334, 50, QColor(40, 78, 64));
    p.fillRect(QRectF(0, 330, 560, 54), QColor(40, 40, 58));
    p.fillRect(QRectF(0, 352, 560, 3), QColor(230, 200, 120));
    p.setPen(QColor(255, 255, 255));
    p.setFont(face("Noto Serif CJK SC", 54, true));
    p.drawText(QRectF(0, 40, 560, 70), Qt::AlignCenter, QStringLiteral("Velmoria"));
    p.setFont(face("Noto Sans CJK SC", 22));
    p.setPen(QColor(255, 240, 214));
    p.drawText(QRectF(0, 108, 560, 34), Qt::AlignCenter, QStringLiteral("房屋租售信息管理系统"));
    p.setFont(face("Noto Sans CJK SC", 13));
    p.drawText(QRectF(0, 362, 548, 20), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("正在启动…"));
    return img;
}

QImage background()
{
    QImage img(1024, 720, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    sky(p, img.rect(), QColor(150, 196, 232), QColor(236, 244, 250));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    for (auto c : {QPointF(180, 110), QPointF(640, 80), QPointF(860, 150)}) {
        p.drawEllipse(c, 70, 22);
        p.drawEllipse(c + QPointF(40, -12), 48, 24);
        p.drawEllipse(c + QPointF(-42, -6), 40, 18);
    }
    hills(p, 1024, 470, 90, 1.2, QColor(150, 190, 160));
    hills(p, 1024, 520, 60, 2.7, QColor(120, 170, 128));
    const QColor win(250, 246, 220), dwin(150, 170, 190);
    tower(p, 60, 560, 90, 260, QColor(196, 200, 212), dwin, QColor(120, 134, 156), 3);
    tower(p, 160, 560, 70, 200, QColor(214, 206, 196), dwin, QColor(130, 130, 146), 5);
    tower(p, 840, 560, 110, 280, QColor(200, 204, 214), dwin, QColor(120, 134, 156), 9);
    house(p, 260, 580, 150, 110, QColor(236, 214, 176), QColor(170, 70, 60), win);
    house(p, 450, 580, 190, 130, QColor(246, 236, 214), QColor(120, 70, 60), win);
    house(p, 680, 580, 130, 96, QColor(222, 186, 160), QColor(150, 60, 56), win, false);
    tree(p, 240, 584, 110, QColor(70, 130, 80));
    tree(p, 660, 586, 90, QColor(80, 140, 86));
    tree(p, 980, 590, 120, QColor(66, 124, 76));
    p.fillRect(QRectF(0, 580, 1024, 140), QColor(126, 170, 110));
    QLinearGradient road(0, 620, 0, 720);
    road.setColorAt(0, QColor(150, 150, 156));
    road.setColorAt(1, QColor(120, 120, 128));
    p.fillRect(QRectF(0, 630, 1024, 90), road);
    p.setBrush(QColor(246, 240, 220));
    for (int x = 20; x < 1024; x += 90)
        p.drawRect(QRectF(x, 672, 46, 6));
    // A signboard of the agency.
    p.setBrush(QColor(96, 60, 40));
    p.drawRect(QRectF(415, 560, 8, 70));
    p.setBrush(QColor(252, 250, 240));
    p.setPen(QPen(QColor(68, 74, 160), 3));
    p.drawRoundedRect(QRectF(360, 500, 118, 64), 6, 6);
    p.setPen(QColor(68, 74, 160));
    p.setFont(face("Noto Sans CJK SC", 20, true));
    p.drawText(QRectF(360, 500, 118, 36), Qt::AlignCenter, QStringLiteral("租 · 售"));
    p.setFont(face("Noto Sans CJK SC", 13));
    p.drawText(QRectF(360, 532, 118, 26), Qt::AlignCenter, QStringLiteral("Velmoria"));
    return img;
}

QImage about()
{
    QImage img(420, 239, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    sky(p, img.rect(), QColor(68, 74, 160), QColor(170, 186, 226));
    p.setPen(Qt::NoPen);
    hills(p, 420, 200, 26, 0.8, QColor(120, 136, 196));
    const QColor win(255, 230, 150);
    house(p, 40, 226, 70, 50, QColor(236, 226, 210), QColor(120, 60, 70), win);
    house(p, 300, 226, 84, 60, QColor(230, 210, 190), QColor(110, 56, 66), win);
    tree(p, 140, 228, 46, QColor(60, 110, 90));
    tree(p, 280, 228, 40, QColor(56, 104, 86));
    key(p, QPointF(210, 168), 36, QColor(240, 200, 90));
    p.fillRect(QRectF(0, 226, 420, 13), QColor(52, 56, 120));
    return img;
}

// The narrow pictures down the left edge of the screens.
QImage strip(int which)
{
    QImage img(120, 450, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const QColor win(250, 240, 200), dwin(140, 160, 184);
    switch (which) {
    case 1: // rentals: a row of houses under an evening sky
        sky(p, img.rect(), QColor(52, 70, 140), QColor(240, 190, 140));
        hills(p, 120, 330, 30, 0.2, QColor(96, 90, 130));
        house(p, 14, 380, 92, 70, QColor(230, 206, 170), QColor(150, 60, 56), QColor(255, 220, 130));
        tree(p, 100, 382, 40, QColor(50, 96, 76));
        p.fillRect(QRectF(0, 380, 120, 70), QColor(70, 90, 70));
        key(p, QPointF(60, 120), 48, QColor(255, 226, 140));
        break;
    case 2: // sales: a block of flats
        sky(p, img.rect(), QColor(120, 170, 220), QColor(230, 240, 248));
        tower(p, 18, 420, 84, 330, QColor(204, 204, 214), dwin, QColor(110, 124, 150), 21);
        p.fillRect(QRectF(0, 420, 120, 30), QColor(110, 150, 100));
        break;
    case 3: // rent-seekers: a lit doorway
        sky(p, img.rect(), QColor(40, 56, 100), QColor(96, 110, 160));
        p.setBrush(QColor(196, 150, 120));
        p.drawRect(QRectF(10, 120, 100, 330));
        p.setBrush(QColor(110, 60, 50));
        p.drawRect(QRectF(30, 250, 60, 200));
        p.setBrush(QColor(255, 214, 120));
        p.drawRect(QRectF(36, 256, 48, 80));
        p.drawEllipse(QPointF(76, 360), 4, 4);
        p.setBrush(win);
        p.drawRect(QRectF(24, 150, 30, 40));
        p.drawRect(QRectF(66, 150, 30, 40));
        break;
    default: // buyers: a house in a garden
        sky(p, img.rect(), QColor(140, 190, 230), QColor(220, 236, 246));
        hills(p, 120, 300, 40, 1.6, QColor(130, 180, 130));
        p.fillRect(QRectF(0, 330, 120, 120), QColor(112, 164, 100));
        house(p, 16, 340, 88, 74, QColor(246, 236, 214), QColor(170, 70, 60), win);
        tree(p, 20, 420, 60, QColor(70, 130, 80));
        tree(p, 96, 430, 70, QColor(60, 120, 72));
        break;
    }
    return img;
}

QImage icon()
{
    QImage img(64, 64, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    sky(p, img.rect(), QColor(68, 74, 160), QColor(120, 140, 210));
    house(p, 14, 56, 36, 26, QColor(246, 236, 214), QColor(200, 70, 60), QColor(255, 220, 120));
    return img;
}

bool save(const QImage &img, const QString &folder, const QString &name)
{
    const QString path = folder + QLatin1Char('/') + name;
    if (!img.save(path, "JPEG", 82)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

}

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: draw_art <folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    bool ok = save(splash(), folder, QStringLiteral("splash.jpg"));
    ok &= save(background(), folder, QStringLiteral("main.jpg"));
    ok &= save(about(), folder, QStringLiteral("about.jpg"));
    ok &= save(icon(), folder, QStringLiteral("icon.jpg"));
    for (int i = 1; i <= 4; ++i)
        ok &= save(strip(i), folder, QStringLiteral("strip_%1.jpg").arg(i));
    return ok ? 0 : 1;
}
