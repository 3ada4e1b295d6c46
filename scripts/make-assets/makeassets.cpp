// Draws the program's icon sources and images. Run by scripts/make-assets; its output is
// committed, so the build needs neither this tool nor the fonts it reads.
//
// Icon sources are single-colour SVGs whose colour is the placeholder @FG@: the build derives
// the dark, light, disabled and theme-less variants from them (assets/CMakeLists.txt).
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRawFont>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTextStream>
#include <QtMath>

#include <cmath>
#include <cstdio>
#include <functional>

namespace {

const char *kIconFont =
        "/usr/share/fonts/truetype/material-design-icons-iconfont/MaterialIcons-Regular.ttf";
const char *kIconCss =
        "/usr/share/fonts-material-design-icons-iconfont/css/material-design-icons.css";
const char *kTextFont = "/usr/share/fonts/truetype/roboto/unhinted/RobotoTTF/Roboto-Medium.ttf";

QString outDir;
QHash<QString, uint> codepoints;
QRawFont iconFont;

QString num(qreal v)
{
    QString s = QString::number(v, 'f', 2);
    while (s.contains('.') && (s.endsWith('0') || s.endsWith('.')))
        s.chop(1);
    return s == "-0" ? "0" : s;
}

QString svgPathData(const QPainterPath &path)
{
    QString d;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            d += "M" + num(e.x) + " " + num(e.y);
        } else if (e.isLineTo()) {
            d += "L" + num(e.x) + " " + num(e.y);
        } else if (e.isCurveTo()) {
            const QPainterPath::Element c2 = path.elementAt(i + 1);
            const QPainterPath::Element end = path.elementAt(i + 2);
            d += "C" + num(e.x) + " " + num(e.y) + " " + num(c2.x) + " " + num(c2.y) + " "
                    + num(end.x) + " " + num(end.y);
            i += 2;
        }
    }
    return d;
}

void writeFile(const QString &relative, const QByteArray &data)
{
    const QString path = outDir + "/" + relative;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
    file.write(data);
}

// Cut-outs (a label knocked out of a badge) keep their holes only under the even-odd rule;
// everything else is merged into one outline and filled non-zero.
QByteArray svgOf(const QPainterPath &path, const QString &colour = "@FG@", bool evenOdd = false)
{
    return QString("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"24\" height=\"24\" "
                   "viewBox=\"0 0 24 24\">\n<path fill=\"%1\" fill-rule=\"%2\" "
                   "d=\"%3\"/>\n</svg>\n")
            .arg(colour, evenOdd ? "evenodd" : "nonzero",
                 svgPathData(evenOdd ? path : path.simplified()))
            .toUtf8();
}

QPainterPath glyph(const QString &name)
{
    if (!codepoints.contains(name)) {
        std::fprintf(stderr, "no glyph %s\n", qPrintable(name));
        std::exit(1);
    }
    const QChar ch(codepoints.value(name));
    const QVector<quint32> indexes = iconFont.glyphIndexesForString(QString(ch));
    QPainterPath p = iconFont.pathForGlyph(indexes.value(0));
    // The font draws on a 24 px em with the baseline at the bottom.
    p.translate(0, 24);
    return p;
}

QPainterPath text(const QString &s, qreal pixelSize, qreal cx = 12, qreal cy = 12)
{
    QFont font(QStringLiteral("Roboto Medium"));
    font.setPixelSize(int(pixelSize));
    QPainterPath p;
    p.addText(0, 0, font, s);
    const QRectF r = p.boundingRect();
    p.translate(cx - r.center().x(), cy - r.center().y());
    return p;
}

QPainterPath stroke(const QPainterPath &line, qreal width = 2.0)
{
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(line);
}

QPainterPath polyline(const QVector<QPointF> &points)
{
    QPainterPath p;
    p.moveTo(points.value(0));
    for (int i = 1; i < points.size(); ++i)
        p.lineTo(points.at(i));
    return p;
}

QPainterPath curve(const std::function<qreal(qreal)> &f, qreal x0 = 3, qreal x1 = 21, int n = 48)
{
    QVector<QPointF> pts;
    for (int i = 0; i <= n; ++i) {
        const qreal x = x0 + (x1 - x0) * i / n;
        pts << QPointF(x, f((x - x0) / (x1 - x0)));
    }
    return polyline(pts);
}

QPainterPath dashedLine(QPointF a, QPointF b)
{
    QPainterPath line;
    const int dashes = 5;
    for (int i = 0; i < dashes; ++i) {
        const qreal t0 = qreal(i) / dashes, t1 = t0 + 0.6 / dashes;
        line.moveTo(a + (b - a) * t0);
        line.lineTo(a + (b - a) * t1);
    }
    return stroke(line, 1.6);
}

QPainterPath arrowHead(QPointF tip, qreal dy)
{
    QPainterPath p;
    p.moveTo(tip);
    p.lineTo(tip + QPointF(-3, dy));
    p.lineTo(tip + QPointF(3, dy));
    p.closeSubpath();
    return p;
}

QPainterPath united(std::initializer_list<QPainterPath> parts)
{
    QPainterPath all;
    all.setFillRule(Qt::WindingFill);
    for (const QPainterPath &p : parts)
        all.addPath(p);
    return all;
}

// A solid badge with its label cut out, so it reads at 16 px on either theme.
QPainterPath framedLabel(const QString &label)
{
    QPainterPath badge;
    badge.addRoundedRect(QRectF(2, 5, 20, 14), 3, 3);
    badge.addPath(text(label, 11));
    return badge;
}

// A unit letter with the direct-current sign (a line over a dashed line) beside it.
QPainterPath directLabel(const QString &unit)
{
    QPainterPath sign = stroke(polyline({{14, 9.5}, {22, 9.5}}), 1.6);
    for (int i = 0; i < 3; ++i)
        sign.addPath(stroke(polyline({{14.2 + 3 * i, 13.5}, {15.6 + 3 * i, 13.5}}), 1.6));
    return united({text(unit, 13, 7.5, 12), sign});
}

// The standard functions' curves, on x in [0, 1], y in pixels.
QPainterPath standardFunction(const QString &name)
{
    const qreal mid = 12, amp = 7;
    if (name == "sine")
        return stroke(curve([=](qreal t) { return mid - amp * std::sin(2 * M_PI * t); }));
    if (name == "haversine")
        return stroke(curve(
                [=](qreal t) { return mid + amp - 2 * amp * std::pow(std::sin(M_PI * t), 2); }));
    if (name == "square" || name == "rectangular") {
        const qreal duty = name == "square" ? 0.5 : 0.3;
        const qreal x = 3 + 18 * duty;
        return stroke(polyline({{3, mid + amp},
                                {3, mid - amp},
                                {x, mid - amp},
                                {x, mid + amp},
                                {21, mid + amp},
                                {21, mid - amp}}));
    }
    if (name == "pulse")
        return stroke(polyline({{3, mid + amp},
                                {8, mid + amp},
                                {8, mid - amp},
                                {11, mid - amp},
                                {11, mid + amp},
                                {21, mid + amp}}));
    if (name == "triangular")
        return stroke(polyline({{3, mid}, {7.5, mid - amp}, {16.5, mid + amp}, {21, mid}}));
    if (name == "positive_ramp")
        return stroke(
                polyline({{3, mid + amp}, {12, mid - amp}, {12, mid + amp}, {21, mid - amp}}));
    if (name == "negative_ramp")
        return stroke(
                polyline({{3, mid - amp}, {12, mid + amp}, {12, mid - amp}, {21, mid + amp}}));
    if (name == "ramp_up")
        return stroke(polyline({{3, mid + amp}, {8, mid + amp}, {16, mid - amp}, {21, mid - amp}}));
    if (name == "level")
        return united({stroke(polyline({{3, mid - 3}, {21, mid - 3}})),
                       dashedLine({3, mid + 5}, {21, mid + 5})});
    if (name == "gaussian_noise" || name == "uniform_noise") {
        static const qreal g[] = {0.1,  -0.5, 0.8,  -0.2, 0.3,  -0.9, 0.6,
                                  -0.4, 0.95, -0.1, 0.2,  -0.7, 0.5};
        static const qreal u[] = {0.7,  -0.7, 0.6,  -0.8, 0.7,  -0.6, 0.8,
                                  -0.7, 0.6,  -0.8, 0.7,  -0.6, 0.7};
        const qreal *v = name == "gaussian_noise" ? g : u;
        QVector<QPointF> pts;
        for (int i = 0; i < 13; ++i)
            pts << QPointF(3 + 1.5 * i, mid - amp * v[i]);
        return stroke(polyline(pts), 1.6);
    }
    if (name == "pseudorandom_binary_sequence")
        return stroke(polyline({{3, mid + amp},
                                {5, mid + amp},
                                {5, mid - amp},
                                {11, mid - amp},
                                {11, mid + amp},
                                {13, mid + amp},
                                {13, mid - amp},
                                {15, mid - amp},
                                {15, mid + amp},
                                {19, mid + amp},
                                {19, mid - amp},
                                {21, mid - amp}}));
    if (name == "awg")
        return stroke(curve([=](qreal t) {
            return mid - amp * (0.6 * std::sin(2 * M_PI * t) + 0.4 * std::sin(6 * M_PI * t + 0.5));
        }));
    std::fprintf(stderr, "unknown function %s\n", qPrintable(name));
    std::exit(1);
}

QPainterPath trigger(const QString &name)
{
    const bool rising = name.endsWith("rising");
    const qreal lo = 18, hi = 6;
    auto edgeArrow = [&](qreal x) {
        return rising ? arrowHead({x, 9.5}, 4) : arrowHead({x, 14.5}, -4);
    };
    if (name.startsWith("trigger_edge"))
        return united({stroke(rising ? polyline({{3, lo}, {12, lo}, {12, hi}, {21, hi}})
                                     : polyline({{3, hi}, {12, hi}, {12, lo}, {21, lo}})),
                       edgeArrow(12).translated(rising ? 3.5 : -3.5, 0)});
    if (name.startsWith("trigger_impulse"))
        return united(
                {stroke(rising ? polyline({{3, lo}, {9, lo}, {9, hi}, {15, hi}, {15, lo}, {21, lo}})
                               : polyline(
                                       {{3, hi}, {9, hi}, {9, lo}, {15, lo}, {15, hi}, {21, hi}})),
                 stroke(polyline({{9, 21.5}, {15, 21.5}}), 1.2)});
    if (name.startsWith("trigger_interval"))
        return united({stroke(rising ? polyline({{2, lo},
                                                 {5, lo},
                                                 {5, hi},
                                                 {9, hi},
                                                 {9, lo},
                                                 {15, lo},
                                                 {15, hi},
                                                 {19, hi},
                                                 {19, lo},
                                                 {22, lo}})
                                     : polyline({{2, hi},
                                                 {5, hi},
                                                 {5, lo},
                                                 {9, lo},
                                                 {9, hi},
                                                 {15, hi},
                                                 {15, lo},
                                                 {19, lo},
                                                 {19, hi},
                                                 {22, hi}}),
                              1.6),
                       stroke(polyline({{5, 21.5}, {15, 21.5}}), 1.2)});
    if (name == "trigger_window")
        return united({dashedLine({2, 7}, {22, 7}), dashedLine({2, 17}, {22, 17}),
                       stroke(curve([](qreal t) { return 12 - 8 * std::sin(2 * M_PI * t); }, 3, 21),
                              1.6)});
    if (name == "trigger_rand")
        return united({stroke(polyline({{3, lo},
                                        {7, lo},
                                        {7, hi},
                                        {9, hi},
                                        {9, lo},
                                        {15, lo},
                                        {15, hi},
                                        {16, hi},
                                        {16, lo},
                                        {21, lo}}),
                              1.6),
                       text("?", 8, 12, 8)});
    if (name == "trigger_rate")
        return united({stroke(polyline({{3, lo},
                                        {5, lo},
                                        {5, hi},
                                        {8, hi},
                                        {8, lo},
                                        {11, lo},
                                        {11, hi},
                                        {14, hi},
                                        {14, lo},
                                        {17, lo},
                                        {17, hi},
                                        {20, hi},
                                        {20, lo},
                                        {21, lo}}),
                              1.4)});
    std::fprintf(stderr, "unknown trigger %s\n", qPrintable(name));
    std::exit(1);
}

QPainterPath cursorIcon(bool vertical, const QString &n)
{
    const QPainterPath line = vertical ? dashedLine({9, 2}, {9, 22}) : dashedLine({2, 9}, {22, 9});
    return united({line, vertical ? text(n, 9, 17, 17) : text(n, 9, 17, 17)});
}

void writeIconSources()
{
    struct Glyph
    {
        const char *file;
        const char *glyph;
    };
    // Control icons drawn from the icon font that the style sheets use for the tool bars.
    static const Glyph control[] = {
            {"arrow_down", "keyboard_arrow_down"},
            {"arrow_minus", "remove"},
            {"arrow_plus", "add"},
            {"arrow_up", "keyboard_arrow_up"},
            {"auto_start_mode", "autorenew"},
            {"close", "close"},
            {"cursor_settings", "tune"},
            {"delayed_start_mode", "timer"},
            {"expand_arrow", "expand_more"},
            {"export", "save_alt"},
            {"fullscreen", "fullscreen"},
            {"graph_zoom_out", "zoom_out"},
            {"immediate_start_mode", "play_arrow"},
            {"linked_range_slider", "link"},
            {"measurment", "straighten"},
            {"normal_start_mode", "repeat"},
            {"on_trigger_start_mode", "flash_on"},
            {"power", "power_settings_new"},
            {"save_picture", "photo_camera"},
            {"settings", "settings"},
            {"single_start_mode", "looks_one"},
            {"stop", "stop"},
            {"time_label", "schedule"},
            {"unlinked_range_slider", "link_off"},
    };
    for (const Glyph &g : control)
        writeFile(QString("icons/control/%1.svg").arg(g.file), svgOf(glyph(g.glyph)));
    // Result marks keep their meaning's colour in both themes: they sit on tables, whose
    // ground is light in either theme.
    writeFile("icons/control/ic_check.svg", svgOf(glyph("check_circle"), "#4CAF50"));
    writeFile("icons/control/ic_close.svg", svgOf(glyph("cancel"), "#F44336"));
    writeFile("icons/control/channel1_label.svg", svgOf(framedLabel("1"), "@FG@", true));
    writeFile("icons/control/channel2_label.svg", svgOf(framedLabel("2"), "@FG@", true));
    writeFile("icons/control/channel3_label.svg", svgOf(framedLabel("M"), "@FG@", true));
    writeFile("icons/control/trigger_label.svg", svgOf(framedLabel("T"), "@FG@", true));
    writeFile("icons/control/hcursor_1.svg", svgOf(cursorIcon(false, "1")));
    writeFile("icons/control/hcursor_2.svg", svgOf(cursorIcon(false, "2")));
    writeFile("icons/control/vcursor_1.svg", svgOf(cursorIcon(true, "1")));
    writeFile("icons/control/vcursor_2.svg", svgOf(cursorIcon(true, "2")));

    struct Label
    {
        const char *file;
        const char *text;
        qreal size;
    };
    static const Label meter[] = {
            {"alternating_voltage", "V~", 12},
            {"alternating_current", "A~", 12},
            {"2wire_resistance", "\u03a9", 14},
            {"4wire_resistance", "4\u03a9", 12},
            {"frequency", "Hz", 12},
            {"period", "T", 14},
    };
    for (const Label &l : meter)
        writeFile(QString("icons/multimeter_functions/%1.svg").arg(l.file),
                  svgOf(text(QString::fromUtf8(l.text), l.size)));
    writeFile("icons/multimeter_functions/direct_voltage.svg", svgOf(directLabel("V")));
    writeFile("icons/multimeter_functions/direct_current.svg", svgOf(directLabel("A")));
    writeFile("icons/multimeter_functions/continuity.svg", svgOf(glyph("volume_up")));

    for (const char *f : {"awg", "gaussian_noise", "haversine", "level", "negative_ramp",
                          "positive_ramp", "pseudorandom_binary_sequence", "pulse", "ramp_up",
                          "rectangular", "sine", "square", "triangular", "uniform_noise"})
        writeFile(QString("icons/standard_functions/%1.svg").arg(f), svgOf(standardFunction(f)));

    for (const char *t :
         {"trigger_edge_falling", "trigger_edge_rising", "trigger_impulse_falling",
          "trigger_impulse_rising", "trigger_interval_falling", "trigger_interval_rising",
          "trigger_rand", "trigger_rate", "trigger_window"})
        writeFile(QString("icons/triggers/%1.svg").arg(t), svgOf(trigger(t)));
}

QImage renderSvg(const QByteArray &svg, QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(svg);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

QByteArray png(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// A minimal GIF89a writer: 8-bit palette, LZW with a clear code before the code width would
// grow, so every code stays 9 bits wide. Qt reads GIF but cannot write it.
QByteArray gifAnimation(const QVector<QImage> &frames, const QVector<QRgb> &palette, int delayCs)
{
    QByteArray out("GIF89a");
    auto u16 = [&](int v) {
        out.append(char(v & 0xff));
        out.append(char((v >> 8) & 0xff));
    };
    const int w = frames.first().width(), h = frames.first().height();
    u16(w);
    u16(h);
    out.append(char(0xF7)); // global colour table of 256 entries
    out.append(char(0));
    out.append(char(0));
    for (int i = 0; i < 256; ++i) {
        const QRgb c = palette.value(i, 0);
        out.append(char(qRed(c)));
        out.append(char(qGreen(c)));
        out.append(char(qBlue(c)));
    }
    out.append("\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00", 19); // loop forever
    for (const QImage &frame : frames) {
        out.append("\x21\xF9\x04", 3);
        out.append(char(0x09)); // restore to background, transparent colour present
        u16(delayCs);
        out.append(char(0)); // palette index 0 is transparent
        out.append(char(0));
        out.append(char(0x2C));
        u16(0);
        u16(0);
        u16(w);
        u16(h);
        out.append(char(0));
        out.append(char(8)); // minimum code size
        QByteArray codes;
        quint32 acc = 0;
        int bits = 0;
        auto put = [&](int code) {
            acc |= quint32(code) << bits;
            bits += 9;
            while (bits >= 8) {
                codes.append(char(acc & 0xff));
                acc >>= 8;
                bits -= 8;
            }
        };
        int run = 0;
        put(256);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                put(frame.pixelIndex(x, y));
                if (++run == 250) {
                    put(256);
                    run = 0;
                }
            }
        }
        put(257);
        if (bits > 0)
            codes.append(char(acc & 0xff));
        for (int i = 0; i < codes.size(); i += 255) {
            const QByteArray block = codes.mid(i, 255);
            out.append(char(block.size()));
            out.append(block);
        }
        out.append(char(0));
    }
    out.append(char(0x3B));
    return out;
}

void writeBusyIndicator()
{
    const int size = 24, frames = 12;
    QVector<QRgb> palette(256, qRgb(0, 0, 0));
    palette[0] = qRgb(255, 255, 255); // transparent
    for (int i = 1; i < 256; ++i) // shades of the accent blue
        palette[i] = qRgb(255 - (255 - 0x21) * i / 255, 255 - (255 - 0x96) * i / 255,
                          255 - (255 - 0xF3) * i / 255);
    QVector<QImage> images;
    for (int f = 0; f < frames; ++f) {
        QImage rgb(size, size, QImage::Format_ARGB32);
        rgb.fill(Qt::transparent);
        QPainter p(&rgb);
        p.setRenderHint(QPainter::Antialiasing);
        for (int dot = 0; dot < 8; ++dot) {
            // The trail turns a little each frame; the leading dot is the darkest.
            const qreal angle = 2 * M_PI * (qreal(dot) / 8 + qreal(f) / frames);
            const int age = 7 - dot;
            p.setBrush(QColor(0x21, 0x96, 0xF3, 255 - age * 28));
            p.setPen(Qt::NoPen);
            p.drawEllipse(QPointF(12 + 8 * std::cos(angle), 12 + 8 * std::sin(angle)), 2.2, 2.2);
        }
        p.end();
        QImage indexed(size, size, QImage::Format_Indexed8);
        indexed.setColorTable(palette);
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                indexed.setPixel(
                        x, y, qAlpha(rgb.pixel(x, y)) < 40 ? 0 : qMax(1, qAlpha(rgb.pixel(x, y))));
        images << indexed;
    }
    writeFile("icons/busy-indicator.gif", gifAnimation(images, palette, 8));
}

// The images below are cut-outs (rings, marks knocked out of discs).
QByteArray coloured(QPainterPath path, const QString &colour)
{
    return svgOf(path, colour, true);
}

void writeImages()
{
    // Status marks of the initialization list.
    QPainterPath circle;
    circle.addEllipse(QRectF(2, 2, 20, 20));
    writeFile("icons/success.svg",
              coloured(circle.subtracted(glyph("check").translated(0, 0)), "#4CAF50"));
    writeFile("icons/error.svg", coloured(circle.subtracted(glyph("close")), "#F44336"));
    writeFile("icons/expand_arrow.svg", coloured(glyph("expand_more"), "#757575"));

    // Radio buttons and check boxes.
    QPainterPath ring;
    ring.addEllipse(QRectF(3, 3, 18, 18));
    QPainterPath hole;
    hole.addEllipse(QRectF(5, 5, 14, 14));
    QPainterPath dot;
    dot.addEllipse(QRectF(8, 8, 8, 8));
    writeFile("icons/radiobutton/radiobutton_unchecked.svg",
              coloured(ring.subtracted(hole), "#757575"));
    writeFile("icons/radiobutton/radiobutton_checked.svg",
              coloured(united({ring.subtracted(hole), dot}), "#2196F3"));
    struct Box
    {
        const char *name;
        const char *colour;
        bool checked;
    };
    static const Box boxes[] = {
            {"checkbox_unchecked", "#757575", false},
            {"checkbox_unchecked_hover", "#90CAF9", false},
            {"checkbox_unchecked_pressed", "#2196F3", false},
            {"checkbox_checked", "#2196F3", true},
            {"checkbox_checked_hover", "#90CAF9", true},
            {"checkbox_checked_pressed", "#1565C0", true},
    };
    for (const Box &b : boxes) {
        QPainterPath outer;
        outer.addRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
        QPainterPath inner;
        inner.addRect(QRectF(5, 5, 14, 14));
        const QPainterPath shape = b.checked ? outer.subtracted(glyph("check").translated(0, 0))
                                             : outer.subtracted(inner);
        writeFile(QString("icons/checkbox/%1.png").arg(b.name),
                  png(renderSvg(coloured(shape, b.colour), QSize(24, 24))));
    }

    // Quick mode (demonstration) badge.
    QPainterPath bolt = glyph("flash_on");
    writeFile("icons/Quick Mode On-50.png",
              png(renderSvg(coloured(circle.subtracted(bolt), "#2196F3"), QSize(50, 50))));

    // Soft shadow under a frame: a vertical gradient, transparent at the bottom.
    QImage shadow(64, 8, QImage::Format_ARGB32);
    for (int y = 0; y < shadow.height(); ++y)
        for (int x = 0; x < shadow.width(); ++x)
            shadow.setPixel(x, y, qRgba(0, 0, 0, 80 * (shadow.height() - y) / shadow.height()));
    writeFile("images/bottom-shadow-border.png", png(shadow));

    // The company logo: the mark only. It sits in a 40 x 40 label beside the company's name,
    // which the Settings page writes as text of its own.
    QPainterPath mark;
    mark.addEllipse(QRectF(2, 4, 30, 30));
    QPainterPath cut;
    cut.addEllipse(QRectF(9, 11, 16, 16));
    QPainterPath wedge;
    wedge.moveTo(17, 19);
    wedge.lineTo(34, 10);
    wedge.lineTo(34, 28);
    wedge.closeSubpath();
    const QPainterPath logoMark = mark.subtracted(cut).subtracted(wedge);
    const QString logo =
            QString("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"36\" height=\"38\" "
                    "viewBox=\"0 0 36 38\">\n<path fill=\"#2196F3\" d=\"%1\"/>\n</svg>\n")
                    .arg(svgPathData(logoMark.simplified()));
    writeFile("images/corvantaLogo.svg", logo.toUtf8());

    // Window icon: a small scope screen.
    QPainterPath screen;
    screen.addRoundedRect(QRectF(1, 3, 22, 18), 3, 3);
    QPainterPath glass;
    glass.addRect(QRectF(3, 5, 18, 14));
    const QPainterPath wave =
            stroke(curve([](qreal t) { return 12 - 4.5 * std::sin(2 * M_PI * t); }, 4, 20), 1.6);
    const QByteArray iconSvg =
            QString("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"24\" height=\"24\" "
                    "viewBox=\"0 0 24 24\">\n<path fill=\"#2196F3\" d=\"%1\"/>\n"
                    "<path fill=\"#263238\" d=\"%2\"/>\n<path fill=\"#FFEB3B\" "
                    "d=\"%3\"/>\n</svg>\n")
                    .arg(svgPathData(screen.subtracted(glass).simplified()),
                         svgPathData(glass.simplified()), svgPathData(wave.simplified()))
                    .toUtf8();
    QByteArray ico;
    QBuffer buffer(&ico);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "ico");
    if (!writer.write(renderSvg(iconSvg, QSize(64, 64)))) {
        std::fprintf(stderr, "cannot write ico: %s\n", qPrintable(writer.errorString()));
        std::exit(1);
    }
    writeFile("icons/pralune.ico", ico);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: makeassets OUTPUT_DIR\n");
        return 2;
    }
    outDir = QString::fromLocal8Bit(argv[1]);
    QFontDatabase::addApplicationFont(kTextFont);
    iconFont = QRawFont(QString::fromLatin1(kIconFont), 24);
    if (!iconFont.isValid()) {
        std::fprintf(stderr, "cannot load %s\n", kIconFont);
        return 1;
    }
    QFile css(QString::fromLatin1(kIconCss));
    if (!css.open(QIODevice::ReadOnly))
        return 1;
    const QRegularExpression rule(QStringLiteral(
            "\\.material-icons\\.([a-z0-9_]+):before \\{\\s*content: \"\\\\([0-9a-f]+)\""));
    auto it = rule.globalMatch(QString::fromUtf8(css.readAll()));
    while (it.hasNext()) {
        const auto m = it.next();
        codepoints.insert(m.captured(1), m.captured(2).toUInt(nullptr, 16));
    }
    writeIconSources();
    writeImages();
    writeBusyIndicator();
    return 0;
}
