#include "pdfprobe.h"

#include <QFile>
#include <QPainterPath>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTransform>
#include <QXmlStreamReader>

#include <cmath>

namespace pernoa::test {

RunResult run(const QString& program, const QStringList& args, const QProcessEnvironment& env,
              int timeoutMs) {
    RunResult result;
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, args);
    if (!process.waitForStarted(10000))
        return result;
    process.closeWriteChannel();
    result.finished = process.waitForFinished(timeoutMs);
    if (!result.finished) {
        process.kill();
        process.waitForFinished(5000);
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

QString pernoaPath() {
    return QStringLiteral(PERNOA_EXECUTABLE);
}

RunResult runPernoa(const QStringList& args, const QProcessEnvironment& env) {
    return run(pernoaPath(), args, env);
}

int pageCount(const QString& pdf) {
    const RunResult r = run(QStringLiteral("pdfinfo"), {pdf});
    if (r.exitCode != 0)
        return -1;
    static const QRegularExpression pages(QStringLiteral("^Pages:\\s+(\\d+)"),
                                          QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = pages.match(r.out);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

QSizeF pageBoxMm(const QString& pdf) {
    const RunResult r = run(QStringLiteral("pdfinfo"), {QStringLiteral("-box"), pdf});
    static const QRegularExpression box(
        QStringLiteral("^MediaBox:\\s+(\\S+)\\s+(\\S+)\\s+(\\S+)\\s+(\\S+)"),
        QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = box.match(r.out);
    if (r.exitCode != 0 || !m.hasMatch())
        return {};
    const double mmPerPt = 25.4 / 72;
    return QSizeF((m.captured(3).toDouble() - m.captured(1).toDouble()) * mmPerPt,
                  (m.captured(4).toDouble() - m.captured(2).toDouble()) * mmPerPt);
}

namespace {

double ptValue(QStringView text) {
    QString t = text.toString();
    t.remove(QStringLiteral("pt"));
    return t.toDouble();
}

// "matrix(a,b,c,d,e,f)" as a transform.
QTransform parseTransform(const QString& text) {
    static const QRegularExpression matrix(QStringLiteral("matrix\\(([^)]*)\\)"));
    const QRegularExpressionMatch m = matrix.match(text);
    if (!m.hasMatch())
        return {};
    const QStringList v = m.captured(1).split(QLatin1Char(','));
    if (v.size() != 6)
        return {};
    return QTransform(v[0].toDouble(), v[1].toDouble(), v[2].toDouble(), v[3].toDouble(),
                      v[4].toDouble(), v[5].toDouble());
}

QColor parseColour(const QString& text) {
    static const QRegularExpression rgb(
        QStringLiteral("rgb\\(([\\d.]+)%,\\s*([\\d.]+)%,\\s*([\\d.]+)%\\)"));
    const QRegularExpressionMatch m = rgb.match(text);
    if (!m.hasMatch())
        return {};
    QColor c;
    c.setRgbF(float(m.captured(1).toDouble() / 100), float(m.captured(2).toDouble() / 100),
              float(m.captured(3).toDouble() / 100));
    return c;
}

QHash<QString, QString> parseStyle(const QString& style) {
    QHash<QString, QString> out;
    for (const QString& part : style.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const qsizetype colon = part.indexOf(QLatin1Char(':'));
        if (colon > 0)
            out.insert(part.left(colon).trimmed(), part.mid(colon + 1).trimmed());
    }
    return out;
}

// The straight segments of a path's "M x y L x y ..." data.
QList<QLineF> parseSegments(const QString& d) {
    QList<QLineF> out;
    const QStringList tokens = d.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QPointF current;
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const QString& op = tokens[i];
        if ((op == QLatin1String("M") || op == QLatin1String("L")) && i + 2 < tokens.size()) {
            const QPointF p(tokens[i + 1].toDouble(), tokens[i + 2].toDouble());
            if (op == QLatin1String("L"))
                out.append(QLineF(current, p));
            current = p;
            i += 2;
        }
    }
    return out;
}

// A path's "M x y L x y C x y x y x y Z" data as a painter path.
QPainterPath parsePath(const QString& d) {
    QPainterPath path;
    const QStringList tokens = d.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const auto at = [&](qsizetype i) {
        return QPointF(tokens.value(i).toDouble(), tokens.value(i + 1).toDouble());
    };
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const QString& op = tokens[i];
        if (op == QLatin1String("M")) {
            path.moveTo(at(i + 1));
            i += 2;
        } else if (op == QLatin1String("L")) {
            path.lineTo(at(i + 1));
            i += 2;
        } else if (op == QLatin1String("C")) {
            path.cubicTo(at(i + 1), at(i + 3), at(i + 5));
            i += 6;
        } else if (op == QLatin1String("Z")) {
            path.closeSubpath();
        }
    }
    return path;
}

QRectF toTwips(const QRectF& pt) {
    return QRectF(pt.topLeft() * kTwipsPerPoint, pt.size() * kTwipsPerPoint);
}

PdfPage parseSvg(const QByteArray& svg) {
    PdfPage page;
    QXmlStreamReader xml(svg);
    int defsDepth = 0;
    QString symbol;                   // the glyph symbol being read
    QHash<QString, QRectF> symbolBox; // points, from the glyph's origin
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == QLatin1String("defs"))
            --defsDepth;
        if (xml.isEndElement() && xml.name() == QLatin1String("symbol"))
            symbol.clear();
        if (!xml.isStartElement())
            continue;
        const auto attrs = xml.attributes();
        if (xml.name() == QLatin1String("defs")) {
            ++defsDepth;
        } else if (xml.name() == QLatin1String("svg")) {
            page.sizePt = QSizeF(ptValue(attrs.value(QStringLiteral("width"))),
                                 ptValue(attrs.value(QStringLiteral("height"))));
        } else if (xml.name() == QLatin1String("symbol")) {
            symbol = attrs.value(QStringLiteral("id")).toString();
        } else if (xml.name() == QLatin1String("path") && defsDepth > 0) {
            if (!symbol.isEmpty())
                symbolBox[symbol] |=
                    parsePath(attrs.value(QStringLiteral("d")).toString()).boundingRect();
        } else if (xml.name() == QLatin1String("use") && defsDepth == 0) {
            const QString id = attrs.value(QStringLiteral("xlink:href")).toString().mid(1);
            const QPointF origin(attrs.value(QStringLiteral("x")).toDouble(),
                                 attrs.value(QStringLiteral("y")).toDouble());
            if (symbolBox.contains(id))
                page.glyphs.append(
                    {origin * kTwipsPerPoint, toTwips(symbolBox[id].translated(origin))});
        } else if (xml.name() == QLatin1String("path") && defsDepth == 0) {
            const auto style = parseStyle(attrs.value(QStringLiteral("style")).toString());
            const QTransform t =
                parseTransform(attrs.value(QStringLiteral("transform")).toString());
            if (style.value(QStringLiteral("stroke"), QStringLiteral("none")) ==
                QLatin1String("none")) {
                if (style.value(QStringLiteral("fill"), QStringLiteral("none")) !=
                    QLatin1String("none"))
                    page.fills.append(
                        toTwips(t.map(parsePath(attrs.value(QStringLiteral("d")).toString()))
                                    .boundingRect()));
                continue;
            }
            // The width scales with the transform (uniform in these files).
            const double scale = std::sqrt(std::abs(t.determinant()));
            for (const QLineF& seg : parseSegments(attrs.value(QStringLiteral("d")).toString())) {
                Stroke s;
                const QLineF pt = t.map(seg);
                s.line = QLineF(pt.p1() * kTwipsPerPoint, pt.p2() * kTwipsPerPoint);
                s.widthPt = style.value(QStringLiteral("stroke-width")).toDouble() * scale;
                s.colour = parseColour(style.value(QStringLiteral("stroke")));
                s.cap = style.value(QStringLiteral("stroke-linecap"));
                page.strokes.append(s);
            }
        }
    }
    return page;
}

} // namespace

QList<PdfPage> readPages(const QString& pdf) {
    QList<PdfPage> pages;
    const int count = pageCount(pdf);
    QTemporaryDir dir;
    for (int n = 1; n <= count; ++n) {
        const QString svg = dir.filePath(QStringLiteral("page%1.svg").arg(n));
        // As the page is: pdftocairo otherwise shrinks a page of fractional
        // points onto whole ones and centres it.
        const RunResult r =
            run(QStringLiteral("pdftocairo"),
                {QStringLiteral("-svg"), QStringLiteral("-noshrink"), QStringLiteral("-nocenter"),
                 QStringLiteral("-f"), QString::number(n), QStringLiteral("-l"), QString::number(n),
                 pdf, svg});
        QFile file(svg);
        if (r.exitCode != 0 || !file.open(QIODevice::ReadOnly))
            return {};
        pages.append(parseSvg(file.readAll()));
    }
    return pages;
}

QList<PdfWord> readWords(const QString& pdf, int page) {
    QList<PdfWord> words;
    const RunResult r =
        run(QStringLiteral("pdftotext"),
            {QStringLiteral("-bbox"), QStringLiteral("-f"), QString::number(page),
             QStringLiteral("-l"), QString::number(page), pdf, QStringLiteral("-")});
    QXmlStreamReader xml(r.out);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("word")) {
            const auto a = xml.attributes();
            PdfWord w;
            w.xMin = a.value(QStringLiteral("xMin")).toDouble();
            w.yMin = a.value(QStringLiteral("yMin")).toDouble();
            w.xMax = a.value(QStringLiteral("xMax")).toDouble();
            w.yMax = a.value(QStringLiteral("yMax")).toDouble();
            w.text = xml.readElementText();
            words.append(w);
        }
    }
    return words;
}

QStringList fontNames(const QString& pdf) {
    QStringList names;
    const RunResult r = run(QStringLiteral("pdffonts"), {pdf});
    const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (qsizetype i = 2; i < lines.size(); ++i) {
        QString name = lines[i].section(QLatin1Char(' '), 0, 0);
        const qsizetype plus = name.indexOf(QLatin1Char('+'));
        if (plus == 6)
            name = name.mid(plus + 1);
        names << name;
    }
    return names;
}

QList<int> imageObjects(const QString& pdf) {
    QList<int> objects;
    const RunResult r = run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
    const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (qsizetype i = 2; i < lines.size(); ++i) {
        const QStringList cols = lines[i].split(QLatin1Char(' '), Qt::SkipEmptyParts);
        // page num type width height color comp bpc enc interp object ID ...
        if (cols.size() > 11 && cols[2] == QLatin1String("image"))
            objects << cols[10].toInt();
    }
    return objects;
}

QImage render(const QString& pdf, int page, int dpi) {
    QTemporaryDir dir;
    const QString base = dir.filePath(QStringLiteral("page"));
    run(QStringLiteral("pdftoppm"),
        {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"),
         QString::number(page), QStringLiteral("-l"), QString::number(page),
         QStringLiteral("-singlefile"), pdf, base});
    return QImage(base + QStringLiteral(".png"));
}

} // namespace pernoa::test

namespace pernoa::test {

SvgPage readSvg(const QString& path) {
    SvgPage page;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return page;
    QXmlStreamReader xml(&file);
    QList<QTransform> stack{QTransform()};
    double mmPerUnit = 1;
    auto mmOf = [](QStringView text) {
        return text.toString().remove(QStringLiteral("mm")).toDouble();
    };
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == QLatin1String("g"))
            stack.removeLast();
        if (!xml.isStartElement())
            continue;
        const auto attrs = xml.attributes();
        const QTransform current = stack.last();
        if (xml.name() == QLatin1String("svg")) {
            page.sizeMm = QSizeF(mmOf(attrs.value(QStringLiteral("width"))),
                                 mmOf(attrs.value(QStringLiteral("height"))));
            const QStringList box = attrs.value(QStringLiteral("viewBox"))
                                        .toString()
                                        .split(QLatin1Char(' '), Qt::SkipEmptyParts);
            if (box.size() == 4 && box[2].toDouble() > 0)
                mmPerUnit = page.sizeMm.width() / box[2].toDouble();
        } else if (xml.name() == QLatin1String("g")) {
            stack.append(parseTransform(attrs.value(QStringLiteral("transform")).toString()) *
                         current);
        } else if (xml.name() == QLatin1String("polyline") || xml.name() == QLatin1String("path")) {
            QString d =
                xml.name() == QLatin1String("path")
                    ? attrs.value(QStringLiteral("d")).toString()
                    : QStringLiteral("M ") + attrs.value(QStringLiteral("points")).toString();
            d.replace(QLatin1Char(','), QLatin1Char(' '));
            d.replace(QLatin1String("M"), QLatin1String(" M "))
                .replace(QLatin1String("L"), QLatin1String(" L "));
            // A polyline's points after the first are joined by lines.
            QStringList tokens = d.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            QList<QPointF> points;
            QList<bool> moves;
            bool move = true;
            for (qsizetype i = 0; i < tokens.size(); ++i) {
                if (tokens[i] == QLatin1String("M") || tokens[i] == QLatin1String("L")) {
                    move = tokens[i] == QLatin1String("M");
                    continue;
                }
                if (i + 1 >= tokens.size())
                    break;
                points << current.map(QPointF(tokens[i].toDouble(), tokens[i + 1].toDouble())) *
                              mmPerUnit;
                moves << move;
                move = false;
                ++i;
            }
            for (qsizetype i = 1; i < points.size(); ++i)
                if (!moves[i])
                    page.linesMm << QLineF(points[i - 1], points[i]);
        } else if (xml.name() == QLatin1String("text")) {
            page.texts << xml.readElementText();
        }
    }
    return page;
}

PngInfo readPngInfo(const QString& path) {
    PngInfo info;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return info;
    const QByteArray bytes = file.readAll();
    if (!bytes.startsWith("\x89PNG\r\n\x1a\n"))
        return info;
    auto number = [&bytes](qsizetype at) {
        return (quint32(quint8(bytes[at])) << 24) | (quint32(quint8(bytes[at + 1])) << 16) |
               (quint32(quint8(bytes[at + 2])) << 8) | quint32(quint8(bytes[at + 3]));
    };
    for (qsizetype at = 8; at + 8 <= bytes.size();) {
        const quint32 length = number(at);
        const QByteArray type = bytes.mid(at + 4, 4);
        const qsizetype data = at + 8;
        if (type == "IHDR" && length >= 10) {
            info.pixels = QSize(int(number(data)), int(number(data + 4)));
            info.colourType = quint8(bytes[data + 9]);
        }
        if (type == "pHYs" && length == 9) {
            info.pixelsPerMetreX = int(number(data));
            info.pixelsPerMetreY = int(number(data + 4));
            info.perMetre = bytes[data + 8] == 1;
        }
        at = data + qsizetype(length) + 4; // the chunk's data and its CRC
    }
    return info;
}

} // namespace pernoa::test
