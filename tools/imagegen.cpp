// Draws the calculator's key faces and display indicators and writes them as
// the JPEG files that images.qrc compiles into the program.
//
//   imagegen <output folder>
//
// Key faces are 200 x 200: a label on a grey diagonal gradient (clear and
// delete on their own colours); two-function keys carry the main label in
// white at the lower right and the shifted one in orange at the upper left.
// Indicators are 40 x 15, black text on yellow.

#include <QCoreApplication>
#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QTextStream>

namespace {

const QColor white(255, 255, 255);
const QColor orange(255, 160, 32);

struct Face {
    const char *file;
    QString main;      // white, centred or lower right
    QString second;    // orange, upper left; empty for one-label keys
    QColor top, bottom; // background gradient, light to dark
    QColor mainColor = white;
};

const QColor greyTop(150, 150, 150), greyBottom(52, 52, 52);
const QColor redTop(235, 75, 60), redBottom(150, 20, 15);
const QColor limeTop(190, 215, 60), limeBottom(105, 135, 10);

QFont labelFont(qreal pixelSize)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(qRound(pixelSize));
    return font;
}

// Largest font size up to `wanted` at which `text` fits `width` pixels.
QFont fittingFont(const QString &text, qreal wanted, qreal width)
{
    QFont font = labelFont(wanted);
    while (font.pixelSize() > 10 && QFontMetricsF(font).horizontalAdvance(text) > width)
        font.setPixelSize(font.pixelSize() - 2);
    return font;
}

QImage drawFace(const Face &face)
{
    QImage image(200, 200, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient gradient(0, 0, 200, 200);
    gradient.setColorAt(0, face.top);
    gradient.setColorAt(1, face.bottom);
    p.fillRect(image.rect(), gradient);
    // A thin darker rim makes neighbouring keys read as separate tiles.
    p.setPen(QPen(face.bottom.darker(140), 6));
    p.drawRect(QRectF(3, 3, 194, 194));

    if (face.second.isEmpty()) {
        p.setPen(face.mainColor);
        p.setFont(fittingFont(face.main, 110, 170));
        p.drawText(QRectF(0, 0, 200, 200), Qt::AlignCenter, face.main);
    } else {
        p.setPen(orange);
        p.setFont(fittingFont(face.second, 72, 150));
        p.drawText(QRectF(14, 8, 180, 90), Qt::AlignLeft | Qt::AlignTop, face.second);
        p.setPen(face.mainColor);
        p.setFont(fittingFont(face.main, 96, 170));
        p.drawText(QRectF(10, 80, 176, 112), Qt::AlignRight | Qt::AlignBottom, face.main);
    }
    return image;
}

QImage drawIndicator(const QString &text)
{
    QImage image(40, 15, QImage::Format_RGB32);
    image.fill(QColor(255, 221, 0));
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(Qt::black);
    p.setFont(fittingFont(text, 12, 38));
    p.drawText(QRectF(0, 0, 40, 15), Qt::AlignCenter, text);
    return image;
}

QList<Face> faces()
{
    const QString minus = QStringLiteral("\u2212");
    auto grey = [](const char *file, const QString &main, const QString &second = {}) {
        return Face{file, main, second, greyTop, greyBottom};
    };
    QList<Face> list = {
        {"btnce.jpg", "CE", {}, redTop, redBottom},
        {"btndel.jpg", "Del", {}, limeTop, limeBottom},
        grey("btnsquareroot.jpg", "\u221A"),
        grey("btnpercent.jpg", "%"),
        grey("btnzero.jpg", "0"), grey("btnone.jpg", "1"), grey("btntwo.jpg", "2"),
        grey("btnthree.jpg", "3"), grey("btnfour.jpg", "4"), grey("btnfive.jpg", "5"),
        grey("btnsix.jpg", "6"), grey("btnseven.jpg", "7"), grey("btneight.jpg", "8"),
        grey("btnnine.jpg", "9"),
        grey("btndivide.jpg", "\u00F7"), grey("btnmultiply.jpg", "\u00D7"),
        grey("btnminus.jpg", minus), grey("btnplus.jpg", "+"),
        grey("btndot.jpg", "."), grey("btnequal.jpg", "="),

        grey("scdeg_btn.jpg", "Deg", "Rad"),
        grey("scpi_seven.jpg", "7", "\u03C0"),
        grey("scnegative_eight.jpg", "8", "(" + minus + ")"),
        grey("scnxFactorial_nine.jpg", "9", "x!"),
        grey("scsin_btn.jpg", "sin", "sin\u207B\u00B9"),
        grey("sccos_btn.jpg", "cos", "cos\u207B\u00B9"),
        grey("sctan_btn.jpg", "tan", "tan\u207B\u00B9"),
        grey("scxy_btn.jpg", "x\u02B8", "\u02B8\u221Ax"),
        grey("scfour_btn.jpg", "4", "E"),
        grey("scfive_btn.jpg", "5", "F"),
        grey("scx-1_six.jpg", "6", "x\u207B\u00B9"),
        grey("sclog_btn.jpg", "log", "10\u02E3"),
        grey("scln_btn.jpg", "ln", "e\u02E3"),
        grey("scx2_btn.jpg", "x\u00B2", "\u221A"),
        grey("scXcube_Xcuberoot.jpg", "x\u00B3", "\u221B"),
        grey("scone_btn.jpg", "1", "B"),
        grey("sctwo_btn.jpg", "2", "C"),
        grey("scthree_btn.jpg", "3", "D"),
        grey("schex_dec.jpg", "Dec", "Hex"),
        grey("scoct_bin.jpg", "Bin", "Oct"),
        grey("scExp_OpenBracket.jpg", "Exp", "("),
        grey("scAns_CloseBracket.jpg", "Ans", ")"),
        grey("scA_zero.jpg", "0", "A"),
    };
    Face shift = grey("scshift_btn.jpg", "Shift");
    shift.mainColor = orange;
    list.append(shift);
    return list;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: imagegen <output folder>\n";
        return 2;
    }
    QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("."))) {
        err << "cannot create " << out.path() << "\n";
        return 1;
    }

    const int quality = 90;
    bool ok = true;
    for (const Face &face : faces())
        ok &= drawFace(face).save(out.filePath(QLatin1String(face.file)), "JPEG", quality);

    const QList<QPair<const char *, QString>> indicators = {
        {"Decimal.jpg", "Dec"}, {"Hexadecimal.jpg", "Hex"}, {"Octal.jpg", "Oct"},
        {"Binary.jpg", "Bin"}, {"Degree.jpg", "Deg"}, {"Radian.jpg", "Rad"},
        {"Shift.jpg", "Shift"},
    };
    for (const auto &[file, text] : indicators)
        ok &= drawIndicator(text).save(out.filePath(QLatin1String(file)), "JPEG", quality);

    if (!ok)
        err << "could not write every image\n";
    return ok ? 0 : 1;
}
