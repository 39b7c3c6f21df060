// tarvix-pictures: draws the program's pictures (page headers, welcome
// pictures, the recitation icon, the start-up picture, tree and status icons
// and the panel wallpapers) into a folder. Run it again after a change of
// design: scripts/make-pictures.
#include <QCoreApplication>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <cstdio>

namespace {

struct TScheme {
    const char* Name;
    QColor Colour;
};

const TScheme Schemes[] = {
    {"GREEN", QColor(0x00, 0x64, 0x00)},  {"GOLD", QColor(0x79, 0x79, 0x00)},
    {"AQUA", QColor(0x2B, 0x77, 0x7D)},   {"BLUE", QColor(0x4E, 0x74, 0x9A)},
    {"PURPLE", QColor(0x7E, 0x30, 0x81)}, {"SILVER", QColor(0x80, 0x80, 0x80)},
};

// An eight-pointed star: two squares turned against each other.
QPainterPath Star(QPointF Centre, qreal Radius) {
    QPainterPath Path;
    for (int k = 0; k < 16; ++k) {
        const qreal R = (k % 2 == 0) ? Radius : Radius * 0.72;
        const qreal A = M_PI / 8 * k - M_PI / 2;
        const QPointF P(Centre.x() + R * qCos(A), Centre.y() + R * qSin(A));
        if (k == 0)
            Path.moveTo(P);
        else
            Path.lineTo(P);
    }
    Path.closeSubpath();
    return Path;
}

void StarBand(QPainter& P, const QRectF& Band, qreal Radius, QColor Line) {
    P.setPen(QPen(Line, 1));
    P.setBrush(Qt::NoBrush);
    for (qreal x = Band.left() + Radius; x < Band.right(); x += Radius * 2.2)
        P.drawPath(Star(QPointF(x, Band.center().y()), Radius));
}

bool Save(const QImage& Image, const QString& File, const char* Format, int Quality = 90) {
    if (!Image.save(File, Format, Quality)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(File));
        return false;
    }
    return true;
}

QImage Header(const TScheme& S) {
    QImage Image(492, 39, QImage::Format_RGB32);
    QPainter P(&Image);
    P.setRenderHint(QPainter::Antialiasing);
    QLinearGradient G(0, 0, 492, 0);
    G.setColorAt(0, S.Colour.lighter(175));
    G.setColorAt(0.55, S.Colour.lighter(135));
    G.setColorAt(1, S.Colour);
    P.fillRect(Image.rect(), G);
    StarBand(P, QRectF(330, 0, 162, 39), 12, QColor(255, 255, 255, 90));
    P.setPen(QColor(255, 255, 255, 160));
    P.drawLine(0, 38, 491, 38);
    return Image;
}

QImage Welcome1() {
    QImage Image(419, 29, QImage::Format_RGB32);
    Image.fill(QColor(0xEB, 0xEB, 0xE0));
    QPainter P(&Image);
    P.setRenderHint(QPainter::Antialiasing);
    P.setRenderHint(QPainter::TextAntialiasing);
    QFont F("DejaVu Serif");
    F.setPixelSize(20);
    F.setBold(true);
    P.setFont(F);
    P.setPen(QColor(0x00, 0x50, 0x00));
    P.drawText(Image.rect(), Qt::AlignCenter, "Welcome to Tarvix");
    P.setPen(QPen(QColor(0x79, 0x79, 0x00), 1));
    P.drawLine(10, 27, 409, 27);
    return Image;
}

QImage Welcome2() {
    QImage Image(292, 289, QImage::Format_RGB32);
    Image.fill(QColor(0xEB, 0xEB, 0xE0));
    QPainter P(&Image);
    P.setRenderHint(QPainter::Antialiasing);
    const QPointF C(146, 140);
    QRadialGradient G(C, 130);
    G.setColorAt(0, QColor(0x2E, 0x7D, 0x32));
    G.setColorAt(1, QColor(0x00, 0x40, 0x00));
    P.setPen(Qt::NoPen);
    P.setBrush(G);
    P.drawPath(Star(C, 128));
    P.setBrush(QColor(0xEB, 0xEB, 0xE0));
    P.drawPath(Star(C, 92));
    P.setPen(QPen(QColor(0x79, 0x79, 0x00), 2));
    P.setBrush(Qt::NoBrush);
    for (int r = 20; r <= 80; r += 20)
        P.drawPath(Star(C, r));
    QFont F("DejaVu Serif");
    F.setPixelSize(26);
    F.setBold(true);
    P.setFont(F);
    P.setPen(QColor(0x00, 0x40, 0x00));
    P.drawText(QRectF(0, 122, 292, 36), Qt::AlignCenter, "Tarvix");
    return Image;
}

QImage AudioIcon() {
    QImage Image(19, 16, QImage::Format_ARGB32);
    Image.fill(Qt::transparent);
    QPainter P(&Image);
    P.setRenderHint(QPainter::Antialiasing);
    P.setPen(Qt::NoPen);
    P.setBrush(QColor(0x20, 0x20, 0x20));
    QPainterPath Speaker;
    Speaker.moveTo(2, 6);
    Speaker.lineTo(5, 6);
    Speaker.lineTo(9, 2);
    Speaker.lineTo(9, 14);
    Speaker.lineTo(5, 10);
    Speaker.lineTo(2, 10);
    Speaker.closeSubpath();
    P.drawPath(Speaker);
    P.setPen(QPen(QColor(0x00, 0x64, 0x00), 1.4));
    P.setBrush(Qt::NoBrush);
    P.drawArc(QRectF(7, 4, 6, 8), -60 * 16, 120 * 16);
    P.drawArc(QRectF(7, 1.5, 10, 13), -60 * 16, 120 * 16);
    return Image;
}

QImage ScienceDiagram(int Kind) {
    QImage Image(300, 120, QImage::Format_RGB32);
    Image.fill(QColor(0xEB, 0xEB, 0xE0));
    QPainter P(&Image);
    P.setRenderHint(QPainter::Antialiasing);
    QFont F("DejaVu Sans");
    F.setPixelSize(11);
    P.setFont(F);
    const char* Labels[3][3] = {{"Narrator", "Narrator", "Collector"},
                                {"Chain", "Text", "Hadith"},
                                {"Sound", "Good", "Weak"}};
    for (int i = 0; i < 3; ++i) {
        const QRectF Box(15 + i * 95, 40, 80, 36);
        P.setPen(QPen(QColor(0x00, 0x64, 0x00), 1.5));
        P.setBrush(QColor(255, 255, 255));
        P.drawRoundedRect(Box, 6, 6);
        P.setPen(Qt::black);
        P.drawText(Box, Qt::AlignCenter, Labels[Kind][i]);
        if (i < 2) {
            P.setPen(QPen(QColor(0x79, 0x79, 0x00), 2));
            P.drawLine(QPointF(Box.right() + 2, 58), QPointF(Box.right() + 13, 58));
        }
    }
    return Image;
}

QImage StartUp() {
    QImage Image(505, 279, QImage::Format_RGB32);
    QPainter P(&Image);
    P.setRenderHint(QPainter::Antialiasing);
    P.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient G(0, 0, 0, 279);
    G.setColorAt(0, QColor(0x00, 0x30, 0x00));
    G.setColorAt(1, Qt::black);
    P.fillRect(Image.rect(), G);
    StarBand(P, QRectF(0, 0, 505, 44), 16, QColor(0x79, 0x79, 0x00, 150));
    P.setPen(Qt::NoPen);
    P.setBrush(QColor(0x00, 0x64, 0x00, 160));
    P.drawPath(Star(QPointF(120, 160), 70));
    QFont Title("DejaVu Serif");
    Title.setPixelSize(40);
    Title.setBold(true);
    P.setFont(Title);
    P.setPen(Qt::white);
    P.drawText(QRectF(220, 80, 270, 60), Qt::AlignLeft | Qt::AlignVCenter, "TARVIX");
    QFont Sub("DejaVu Sans");
    Sub.setPixelSize(12);
    P.setFont(Sub);
    P.setPen(QColor(0xC0, 0xC0, 0xC0));
    P.drawText(QRectF(222, 132, 270, 20), Qt::AlignLeft, "A reader of hadith collections");
    return Image;
}

QImage Wallpaper(const TScheme& S) {
    QImage Image(128, 128, QImage::Format_RGB32);
    QPainter P(&Image);
    P.setRenderHint(QPainter::Antialiasing);
    P.fillRect(Image.rect(), S.Colour.darker(300));
    P.setPen(QPen(S.Colour.darker(160), 1));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x)
            P.drawPath(Star(QPointF(32 + 64 * x, 32 + 64 * y), 26));
    return Image;
}

// Tree pictures: 0 the categories root, 1 a document, 2 an open document.
QImage TreeIcon(int Kind) {
    QImage Image(16, 16, QImage::Format_ARGB32);
    Image.fill(Qt::transparent);
    QPainter P(&Image);
    P.setRenderHint(QPainter::Antialiasing);
    if (Kind == 0) {
        P.setPen(QPen(QColor(0x00, 0x50, 0x00), 1));
        P.setBrush(QColor(0x2E, 0x7D, 0x32));
        P.drawPath(Star(QPointF(8, 8), 7));
    } else {
        P.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
        P.setBrush(Kind == 1 ? QColor(255, 255, 255) : QColor(0xFF, 0xF3, 0xB0));
        P.drawRect(QRectF(3.5, 1.5, 9, 13));
        P.setPen(QPen(QColor(0x80, 0x80, 0x80), 1));
        for (int y = 5; y <= 11; y += 3)
            P.drawLine(QPointF(5.5, y + 0.5), QPointF(10.5, y + 0.5));
    }
    return Image;
}

// Status pictures by number: 0 idle, 1 working, 2 busy, 8 audio.
QImage StatusIcon(int Number) {
    QImage Image(16, 16, QImage::Format_ARGB32);
    Image.fill(Qt::transparent);
    QPainter P(&Image);
    P.setRenderHint(QPainter::Antialiasing);
    QColor Colour = Number == 0   ? QColor(0x00, 0xA0, 0x00)
                    : Number == 1 ? QColor(0xE0, 0xB0, 0x00)
                    : Number == 2 ? QColor(0xD0, 0x30, 0x20)
                                  : QColor(0x30, 0x70, 0xD0);
    P.setPen(QPen(Colour.darker(150), 1));
    P.setBrush(Colour);
    P.drawEllipse(QRectF(2.5, 2.5, 11, 11));
    return Image;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication App(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: tarvix-pictures FOLDER\n");
        return 2;
    }
    QDir Out(QString::fromLocal8Bit(argv[1]));
    Out.mkpath(".");
    bool Ok = true;
    for (const TScheme& S : Schemes) {
        Ok &= Save(Header(S), Out.filePath(QString("HDR_%1.jpg").arg(S.Name)), "JPG");
        Ok &= Save(Wallpaper(S), Out.filePath(QString("WALL_%1.png").arg(S.Name)), "PNG");
    }
    Ok &= Save(Welcome1(), Out.filePath("WELCOME1.jpg"), "JPG");
    Ok &= Save(Welcome2(), Out.filePath("WELCOME2.jpg"), "JPG");
    Ok &= Save(AudioIcon(), Out.filePath("AUDIO.png"), "PNG");
    for (int i = 0; i < 3; ++i)
        Ok &= Save(ScienceDiagram(i), Out.filePath(QString("HADITH_SCI%1.jpg").arg(i + 1)), "JPG");
    Ok &= Save(StartUp(), Out.filePath("STARTUP.jpg"), "JPG");
    for (int i = 0; i < 3; ++i)
        Ok &= Save(TreeIcon(i), Out.filePath(QString("TREE%1.png").arg(i)), "PNG");
    for (int n : {0, 1, 2, 8})
        Ok &= Save(StatusIcon(n), Out.filePath(QString("STATUS%1.png").arg(n)), "PNG");
    return Ok ? 0 : 1;
}
