// The text-file primitives of the settings files: field splitting, code page
// 932, the line reader, the value reader and the writer.

#include "failingdevice.h"
#include "files/cp932.h"
#include "files/fields.h"
#include "files/fileio.h"
#include "files/keyedsection.h"
#include "localecheck.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <functional>
#include <limits>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#endif

using namespace pernoa;
using pernoa::test::FailingDevice;

namespace {

const QString kDataDir = QStringLiteral(PERNOA_FILES_TESTDATA);

QByteArray fixture(const QString& name) {
    QFile file(kDataDir + u'/' + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", qPrintable(name));
    return file.readAll();
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QStringList allLines(clsFileIO& io) {
    QStringList lines;
    while (!io.M_boEof())
        lines << io.M_stGetLine();
    return lines;
}

QStringList linesOf(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    clsFileIO io;
    if (!io.M_boOpen(buffer, false))
        return {QStringLiteral("<open failed>")};
    return allLines(io);
}

// Reads one value per letter of kinds (t text, s 16-bit, i 32-bit, d double)
// and returns each outcome as text; a failed read gives "<fail>" and ends it.
QStringList readValues(const QByteArray& bytes, const QString& kinds) {
    QBuffer buffer;
    buffer.setData(bytes);
    clsFileIO io;
    if (!io.M_boOpen(buffer, false))
        return {QStringLiteral("<open failed>")};
    QStringList out;
    for (QChar kind : kinds) {
        QString text;
        std::int16_t i16 = 111;
        std::int32_t i32 = 111;
        double d = 111;
        bool ok = false;
        switch (kind.unicode()) {
        case u't':
            ok = io.ReadDelimitedValue(text);
            break;
        case u's':
            ok = io.ReadDelimitedValue(i16);
            text = QString::number(i16);
            break;
        case u'i':
            ok = io.ReadDelimitedValue(i32);
            text = QString::number(i32);
            break;
        case u'd':
            ok = io.ReadDelimitedValue(d);
            text = QString::number(d, 'g', 17);
            break;
        }
        if (!ok) {
            out << QStringLiteral("<fail>");
            break;
        }
        out << text;
    }
    return out;
}

QByteArray written(const std::function<void(clsFileIO&)>& write) {
    QBuffer buffer;
    clsFileIO io;
    if (!io.M_boOpen(buffer, true))
        return "<open failed>";
    write(io);
    if (!io.M_Close())
        return "<close failed>";
    return buffer.data();
}

// The lines of written_lines.txt as the program is given them.
const QStringList kLinesToWrite = {
    QStringLiteral("[$TextSettei$]"),
    QStringLiteral("練習曲\\n第1番,3000,1200,ＭＳ Ｐゴシック,20,True,False,False,0"),
    QStringLiteral("表,ソ,～,－,①,髙"),
    QStringLiteral("C:\\楽譜\\印.bmp"),
    QStringLiteral("¥100"),
    QString(),
    QStringLiteral("  spaces kept  "),
};

} // namespace

class TestFiles : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(test::decimalPointAsAsked());
        QVERIFY(cp932::isAvailable());
    }

    // Field splitting -------------------------------------------------------

    void fields_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("index");
        QTest::addColumn<QChar>("delimiter");
        QTest::addColumn<QString>("expected");
        const QChar comma = u',';
        const QChar space = u' ';
        QTest::newRow("second field") << "30,30,15" << 2 << comma << "30";
        QTest::newRow("last field") << "30,30,15" << 3 << comma << "15";
        QTest::newRow("past the end") << "30,30,15" << 4 << comma << "";
        QTest::newRow("empty between commas") << "30,,15" << 2 << comma << "";
        QTest::newRow("index 0") << "30,30,15" << 0 << comma << "";
        QTest::newRow("negative index") << "30,30,15" << -1 << comma << "";
        QTest::newRow("largest index") << "a,b" << std::numeric_limits<int>::max() << comma << "";
        QTest::newRow("quoted field") << "\"A4\",x" << 1 << comma << "A4";
        QTest::newRow("quotes do not protect 1") << "\"a,b\"" << 1 << comma << "a";
        QTest::newRow("quotes do not protect 2") << "\"a,b\"" << 2 << comma << "b";
        QTest::newRow("spaces kept") << " 30 ,x" << 1 << comma << " 30 ";
        QTest::newRow("after trailing comma") << "a,b," << 3 << comma << "";
        QTest::newRow("no delimiter") << "abc" << 1 << comma << "abc";
        QTest::newRow("empty text") << "" << 1 << comma << "";
        QTest::newRow("second byte 0x5C is no delimiter")
            << QStringLiteral("表,ソ\\x") << 2 << QChar(u'\\') << "x";
        QTest::newRow("exact comparison") << "aXbxc" << 2 << QChar(u'x') << "c";
        QTest::newRow("quoted path without space")
            << "\"C:\\kvs\\a.kvs2\" -x" << 1 << space << "C:\\kvs\\a.kvs2";
        QTest::newRow("quoted path with space")
            << "\"C:\\Program Files\\a.kvs2\"" << 1 << space << "C:\\Program";
        QTest::newRow("empty command line") << "" << 1 << space << "";
    }

    void fields() {
        QFETCH(QString, text);
        QFETCH(int, index);
        QFETCH(QChar, delimiter);
        QFETCH(QString, expected);
        QCOMPARE(stGetDelimitedField(text, index, delimiter), expected);
        if (delimiter == u',')
            QCOMPARE(stGetField(text, index), expected);
    }

    // Code page 932 ---------------------------------------------------------

    void asciiIsOneToOne() {
        // Every byte below 0x80 is its ASCII character in both directions,
        // the control codes included; SUB (0x1A) alone stands for a lost
        // character and never survives.
        for (int code = 0; code < 0x80; ++code) {
            const QByteArray byte(1, char(code));
            const QString text{QChar(char16_t(code))};
            if (code == 0x1A) {
                QCOMPARE(cp932::decode(byte), QString(QChar::ReplacementCharacter));
                QCOMPARE(cp932::encode(text), QByteArray("?"));
            } else {
                QCOMPARE(cp932::decode(byte), text);
                QCOMPARE(cp932::encode(text), byte);
            }
        }
    }

    void encodeCharacters_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("表 ends in 0x5C") << "表" << QByteArray("\x95\x5C");
        QTest::newRow("ソ ends in 0x5C") << "ソ" << QByteArray("\x83\x5C");
        QTest::newRow("full-width tilde") << "～" << QByteArray("\x81\x60");
        QTest::newRow("full-width minus") << "－" << QByteArray("\x81\x7C");
        QTest::newRow("circled one") << "①" << QByteArray("\x87\x40");
        QTest::newRow("髙 as Windows writes it") << "髙" << QByteArray("\xFB\xFC");
        QTest::newRow("half-width katakana") << "ｱﾟ" << QByteArray("\xB1\xDF");
        QTest::newRow("backslash") << "\\" << QByteArray("\x5C");
        QTest::newRow("yen sign is not a backslash") << "a¥b" << QByteArray("a?b");
        QTest::newRow("overline is not a tilde") << "‾" << QByteArray("?");
        QTest::newRow("wave dash") << "〜" << QByteArray("?");
        QTest::newRow("emoji, one mark per character") << "a😀b" << QByteArray("a?b");
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) + u'x' << QByteArray("?x");
        QTest::newRow("replacement character")
            << QString(QChar::ReplacementCharacter) << QByteArray("?");
        QTest::newRow("accented letter among kanji") << "é表" << QByteArray("?\x95\x5C");
    }

    void encodeCharacters() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(cp932::encode(text), bytes);
    }

    // Line reader -----------------------------------------------------------

    void writtenLinesMatchFixture() {
        const QByteArray expected = fixture(QStringLiteral("written_lines.txt"));
        QCOMPARE(written([](clsFileIO& io) {
                     for (const QString& line : kLinesToWrite)
                         QVERIFY(io.M_boWriteLine(line));
                 }),
                 expected);

        // The same through a real file and the atomic replace.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("out.kvs2"));
        clsFileIO io;
        QVERIFY(io.M_boOpen(path, true, false));
        for (const QString& line : kLinesToWrite)
            QVERIFY(io.M_boWriteLine(line));
        QVERIFY(io.M_Close());
        QCOMPARE(fileBytes(path), expected);
    }

    void fixtureReadsBack() {
        clsFileIO io;
        QVERIFY(io.M_boOpen(kDataDir + QStringLiteral("/written_lines.txt"), false, false));
        QStringList expected = kLinesToWrite;
        expected[4] = QStringLiteral("?100");
        QCOMPARE(allLines(io), expected);
        QVERIFY(io.M_Close());
    }

    void duplicateCodesReadAlike() {
        QCOMPARE(
            linesOf(fixture(QStringLiteral("duplicate_codes.txt"))),
            QStringList({QStringLiteral("髙髙"), QStringLiteral("≒≒"), QStringLiteral("￢￢￢")}));
    }

    void lastLineWithoutLineEnd() {
        clsFileIO io;
        QVERIFY(
            io.M_boOpen(kDataDir + QStringLiteral("/last_line_without_crlf.txt"), false, false));
        QCOMPARE(io.M_stGetLine(), QStringLiteral("[$TavriSettei$]"));
        QVERIFY(!io.M_boEof());
        QCOMPARE(io.M_stGetLine(), QStringLiteral("30,30,15,15,普通,10,2,A4,0,1,0,5,0"));
        QVERIFY(io.M_boEof());
        QCOMPARE(io.M_stGetLine(), QString());
        QVERIFY(io.M_boEof());
    }

    void invalidBytesKeepTheRest() {
        const QString bad(QChar::ReplacementCharacter);
        QCOMPARE(linesOf(fixture(QStringLiteral("invalid_bytes.txt"))),
                 QStringList({u'a' + bad + QStringLiteral(",b"), bad + u'x',
                              QStringLiteral("表") + bad + QStringLiteral("end"),
                              u'q' + bad + QStringLiteral("\"z\""), bad + bad + bad + bad,
                              QStringLiteral("tail") + bad}));
    }

    void lineEnds_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty file") << QByteArray() << QStringList();
        QTest::newRow("one empty line") << QByteArray("\r\n") << QStringList({""});
        QTest::newRow("empty line before the end")
            << QByteArray("a\r\n\r\n") << QStringList({"a", ""});
        QTest::newRow("lone LF ends a line")
            << QByteArray("a\nb\r\nc") << QStringList({"a", "b", "c"});
        QTest::newRow("lone CR ends a line") << QByteArray("a\rb") << QStringList({"a", "b"});
        QTest::newRow("CR CR LF is two line ends")
            << QByteArray("a\r\r\nb") << QStringList({"a", "", "b"});
        QTest::newRow("LF CR is two line ends")
            << QByteArray("a\n\rb") << QStringList({"a", "", "b"});
        QTest::newRow("spaces and tabs kept")
            << QByteArray("  a \t\r\n") << QStringList({"  a \t"});
        QTest::newRow("long line")
            << QByteArray(100000, 'x') + "\r\ny" << QStringList({QString(100000, u'x'), "y"});
    }

    void lineEnds() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QCOMPARE(linesOf(bytes), lines);
    }

    // Value reader ----------------------------------------------------------

    void values_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("kinds");
        QTest::addColumn<QStringList>("expected");
        const QString fail = QStringLiteral("<fail>");
        QTest::newRow("record across lines")
            << QByteArray("abc,12\r\nx\r\n") << "tit" << QStringList({"abc", "12", "x"});
        QTest::newRow("last value without line end")
            << QByteArray("abc,12\r\nx") << "tit" << QStringList({"abc", "12", "x"});
        QTest::newRow("blank line before a marker")
            << QByteArray("\r\n[$ImageSettei$]\r\n") << "ti" << QStringList({"", "0"});
        QTest::newRow("nothing left") << QByteArray() << "i" << QStringList({fail});
        QTest::newRow("one number where two are read")
            << QByteArray("0\r\n") << "dd" << QStringList({"0", fail});
        QTest::newRow("offsets") << QByteArray("1.5,-2\r\n") << "dd" << QStringList({"1.5", "-2"});
        QTest::newRow("more values than a record")
            << QByteArray("a,1,b,2\r\n") << "titi" << QStringList({"a", "1", "b", "2"});
        QTest::newRow("blank lines")
            << QByteArray("\r\n\r\n") << "ttt" << QStringList({"", "", fail});
        QTest::newRow("only spaces left")
            << QByteArray("a\r\n   ") << "tt" << QStringList({"a", fail});
        QTest::newRow("trailing comma at the end")
            << QByteArray("a,") << "tt" << QStringList({"a", fail});
        QTest::newRow("trailing comma before line end")
            << QByteArray("a,\r\nb") << "ttt" << QStringList({"a", "", "b"});
        QTest::newRow("CR and LF alone separate")
            << QByteArray("a\rb\nc") << "ttt" << QStringList({"a", "b", "c"});
        QTest::newRow("quoted comma and line end")
            << QByteArray("\"a,b\",\"c\r\nd\",3") << "tti" << QStringList({"a,b", "c\r\nd", "3"});
        QTest::newRow("quoted value keeps spaces")
            << QByteArray("\" a \",1") << "ti" << QStringList({" a ", "1"});
        QTest::newRow("doubled quotes inside quotes")
            << QByteArray("\"a\"\"b\"\"\",\"\"\"\",1") << "tti"
            << QStringList({"a\"b\"", "\"", "1"});
        QTest::newRow("unclosed quote") << QByteArray("\"abc,1\r\n") << "t" << QStringList({fail});
        QTest::newRow("text after a closing quote is dropped")
            << QByteArray("\"ab\"cd,12\r\n\"x\"  \r\ny") << "titt"
            << QStringList({"ab", "12", "x", "y"});
        QTest::newRow("quote inside an unquoted value")
            << QByteArray("ab\"c,d") << "tt" << QStringList({"ab\"c", "d"});
        QTest::newRow("spaces and tabs before a value skipped")
            << QByteArray("  abc, \t12\r\n\tx") << "tit" << QStringList({"abc", "12", "x"});
        QTest::newRow("spaces after an unquoted value kept")
            << QByteArray("abc  ,12  ,x") << "tit" << QStringList({"abc  ", "12", "x"});
        QTest::newRow("points without a leading digit")
            << QByteArray(".5,-.5,1e3,2.50E-1") << "dddd"
            << QStringList({"0.5", "-0.5", "1000", "0.25"});
        QTest::newRow("not a number reads as 0") << QByteArray("abc,12abc,,1e999,0x10") << "ddddi"
                                                 << QStringList({"0", "0", "0", "0", "0"});
        QTest::newRow("fractions round half to even")
            << QByteArray("2.5,3.5,-2.5,2.6,0.5") << "iiiis"
            << QStringList({"2", "4", "-2", "3", "0"});
        QTest::newRow("16-bit range")
            << QByteArray("32767,-32768,32768,-32769,32767.5,40000") << "ssssss"
            << QStringList({"32767", "-32768", "0", "0", "0", "0"});
        QTest::newRow("32-bit range")
            << QByteArray("2147483647,-2147483648,2147483648,3000000000,-1e10") << "iiiii"
            << QStringList({"2147483647", "-2147483648", "0", "0", "0"});
        QTest::newRow("second byte 0x5C is no separator")
            << QByteArray("\x95\x5C,\x83\x5C\r\n") << "tt" << QStringList({"表", "ソ"});
        QTest::newRow("bad byte before a comma")
            << QByteArray("a\x81,12") << "ti"
            << QStringList({QStringLiteral("a") + QChar::ReplacementCharacter, "12"});
    }

    void values() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, kinds);
        QFETCH(QStringList, expected);
        QCOMPARE(readValues(bytes, kinds), expected);
    }

    void linesAndValuesShareTheFile() {
        QBuffer buffer;
        buffer.setData("[$TextSettei$]\r\nabc,12\r\nrest\r\nx,y,z\r\n");
        clsFileIO io;
        QVERIFY(io.M_boOpen(buffer, false));
        QCOMPARE(io.M_stGetLine(), QStringLiteral("[$TextSettei$]"));
        QString text;
        std::int32_t number = 0;
        QVERIFY(io.ReadDelimitedValue(text, number));
        QCOMPARE(text, QStringLiteral("abc"));
        QCOMPARE(number, 12);
        QCOMPARE(io.M_stGetLine(), QStringLiteral("rest"));
        QVERIFY(io.ReadDelimitedValue(text));
        QCOMPARE(io.M_stGetLine(), QStringLiteral("y,z"));
        QVERIFY(io.M_boEof());
    }

    void sampleSettingsFile() {
        clsFileIO io;
        QVERIFY(io.M_boOpen(kDataDir + QStringLiteral("/sample.kvs2"), false, false));
        QStringList passed;
        while (!io.M_boEof()) {
            const QString line = io.M_stGetLine();
            if (line == QStringLiteral("[$TextSettei$]"))
                break;
            passed << line;
        }
        QCOMPARE(stGetField(passed.value(1), 5), QStringLiteral("普通"));
        QCOMPARE(stGetField(passed.value(1), 8), QStringLiteral("A4"));

        QString text, font, bold, italic, underline, colour;
        std::int32_t x = 0, y = 0;
        std::int16_t size = 0;
        QVERIFY(io.ReadDelimitedValue(text, x, y, font, size, bold, italic, underline, colour));
        QCOMPARE(text, QStringLiteral("練習曲\\n第1番"));
        QCOMPARE(x, 3000);
        QCOMPARE(y, 1200);
        QCOMPARE(font, QStringLiteral("ＭＳ Ｐゴシック"));
        QCOMPARE(size, std::int16_t(20));
        QCOMPARE(QStringList({bold, italic, underline, colour}),
                 QStringList({"True", "False", "False", "0"}));
        // The empty line and the image marker end the text section.
        QVERIFY(io.ReadDelimitedValue(text, x));
        QCOMPARE(text, QString());
        QCOMPARE(x, 0);

        QString path;
        std::int16_t percent = -1;
        QVERIFY(io.ReadDelimitedValue(x, y, path, percent));
        QCOMPARE(x, 1500);
        QCOMPARE(y, 9000);
        QCOMPARE(path, QStringLiteral("C:\\楽譜\\印.bmp"));
        QCOMPARE(percent, std::int16_t(100));
        // The end of the file ends the record; what was not read is unchanged.
        x = 7;
        path = QStringLiteral("unchanged");
        QVERIFY(!io.ReadDelimitedValue(x, y, path, percent));
        QCOMPARE(x, 7);
        QCOMPARE(path, QStringLiteral("unchanged"));
    }

    // Writer ----------------------------------------------------------------

    void delimitedNumbers_data() {
        QTest::addColumn<QList<double>>("numbers");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("zeros") << QList<double>{0, 0} << QByteArray("0,0\r\n");
        QTest::newRow("offsets") << QList<double>{1.5, -2} << QByteArray("1.5,-2\r\n");
        QTest::newRow("whole numbers") << QList<double>{0, 15, -3} << QByteArray("0,15,-3\r\n");
        QTest::newRow("below one") << QList<double>{0.25, -0.25} << QByteArray("0.25,-0.25\r\n");
        QTest::newRow("negative zero") << QList<double>{-0.0} << QByteArray("0\r\n");
        QTest::newRow("15 significant digits")
            << QList<double>{16.53352929649234, 1.0 / 3}
            << QByteArray("16.5335292964923,0.333333333333333\r\n");
        QTest::newRow("large, no exponent")
            << QList<double>{1e15, -123456789012345678.0}
            << QByteArray("1000000000000000,-123456789012346000\r\n");
        QTest::newRow("small, no exponent")
            << QList<double>{1.5e-5, -1.25e-7} << QByteArray("0.000015,-0.000000125\r\n");
        QTest::newRow("no numbers") << QList<double>{} << QByteArray("\r\n");
    }

    void delimitedNumbers() {
        QFETCH(QList<double>, numbers);
        QFETCH(QByteArray, line);
        const QByteArray bytes =
            written([&](clsFileIO& io) { QVERIFY(io.WriteDelimitedNumbers(numbers)); });
        QCOMPARE(bytes, line);

        // And each number reads back as the value written.
        QBuffer buffer;
        buffer.setData(bytes);
        clsFileIO io;
        QVERIFY(io.M_boOpen(buffer, false));
        for (double number : numbers) {
            double back = 0;
            QVERIFY(io.ReadDelimitedValue(back));
            QCOMPARE(back, QString::number(number, 'g', 15).toDouble());
        }
    }

    // Every finite number comes back as itself to 15 digits, the largest and
    // the smallest included (the largest once came back as 0).
    void extremeNumbersReadBack() {
        const QList<double> numbers = {std::numeric_limits<double>::max(),
                                       -std::numeric_limits<double>::max(),
                                       std::numeric_limits<double>::denorm_min(), -1e-300};
        const QByteArray bytes =
            written([&](clsFileIO& io) { QVERIFY(io.WriteDelimitedNumbers(numbers)); });
        QVERIFY(bytes.startsWith(QByteArray("179769313486231" + QByteArray(294, '0') + ",-1797")));
        QBuffer buffer;
        buffer.setData(bytes);
        clsFileIO io;
        QVERIFY(io.M_boOpen(buffer, false));
        for (double number : numbers) {
            double back = 0;
            QVERIFY(io.ReadDelimitedValue(back));
            QVERIFY2(std::abs(back - number) <= std::abs(number) * 1e-14,
                     qPrintable(QString::number(back)));
        }
    }

    void notFiniteNumberFailsTheSave() {
        QBuffer buffer;
        clsFileIO io;
        QVERIFY(io.M_boOpen(buffer, true));
        QVERIFY(io.M_boWriteLine(QStringLiteral("x")));
        QVERIFY(!io.WriteDelimitedNumbers({1, std::numeric_limits<double>::quiet_NaN()}));
        QVERIFY(!io.M_boWriteLine(QStringLiteral("y")));
        QVERIFY(!io.M_Close());
        QCOMPARE(buffer.data(), QByteArray("x\r\n"));
    }

    void failingDevice() {
        // Writing: the device takes 8 bytes and then fails.
        FailingDevice sink({}, 8);
        clsFileIO writer;
        QVERIFY(writer.M_boOpen(sink, true));
        QVERIFY(writer.M_boWriteLine(QStringLiteral("表ソ"))); // 6 bytes
        QVERIFY(!writer.M_boWriteLine(QStringLiteral("abc"))); // only 2 fit
        QVERIFY(!writer.M_boWriteLine(QString()));             // no line after a gap
        QVERIFY(!writer.M_Close());
        QVERIFY(!sink.isOpen());

        // Reading: a device that fails part of the way is not taken for a
        // short file.
        FailingDevice source("line 1\r\nline 2\r\n", 10);
        clsFileIO reader;
        QVERIFY(!reader.M_boOpen(source, false));
        QVERIFY(reader.M_boEof());
        QCOMPARE(reader.M_stGetLine(), QString());

        FailingDevice whole("line 1\r\n", 100);
        QVERIFY(reader.M_boOpen(whole, false));
        QCOMPARE(allLines(reader), QStringList({"line 1"}));
    }

    // Files -----------------------------------------------------------------

    void openFailures_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("write");
        QTest::addColumn<bool>("append");
        QTest::newRow("missing file") << "missing.kvs2" << false << false;
        QTest::newRow("empty path") << "" << false << false;
        QTest::newRow("folder read") << "folder" << false << false;
        QTest::newRow("folder written") << "folder" << true << false;
        QTest::newRow("missing folder written") << "nofolder/x.kvs2" << true << false;
        QTest::newRow("missing folder appended") << "nofolder/x.kvs2" << true << true;
#ifdef Q_OS_LINUX
        // Never read: they may not end or never answer. Never written: the
        // replace would put a regular file in their place.
        QTest::newRow("fifo read") << "fifo" << false << false;
        QTest::newRow("fifo written") << "fifo" << true << false;
        QTest::newRow("fifo appended") << "fifo" << true << true;
        QTest::newRow("link to fifo written") << "link" << true << false;
        QTest::newRow("endless device read") << "/dev/zero" << false << false;
        QTest::newRow("file over 64 MiB read") << "big" << false << false;
#endif
    }

    void openFailures() {
        QFETCH(QString, name);
        QFETCH(bool, write);
        QFETCH(bool, append);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
#ifdef Q_OS_LINUX
        const QString fifo = dir.filePath(QStringLiteral("fifo"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QVERIFY(QFile::link(fifo, dir.filePath(QStringLiteral("link"))));
        QFile big(dir.filePath(QStringLiteral("big")));
        QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(kMaxFileBytes + 1)); // sparse
        big.close();
#endif
        clsFileIO io;
        QVERIFY(!io.M_boOpen(name.isEmpty() ? QString() : dir.filePath(name), write, append));
#ifdef Q_OS_LINUX
        QVERIFY(!QFileInfo(fifo).isFile() && QFileInfo(fifo).exists()); // still the FIFO
#endif
        // The instance stays without a file.
        QVERIFY(io.M_boEof());
        QCOMPARE(io.M_stGetLine(), QString());
        QString value;
        QVERIFY(!io.ReadDelimitedValue(value));
        QVERIFY(!io.M_boWriteLine(QStringLiteral("x")));
        QVERIFY(io.M_Close());
    }

    void readAndWriteDoNotMix() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.kvs2"));
        writeBytes(path, "a,1\r\n");
        clsFileIO io;
        QVERIFY(io.M_boOpen(path, false, false));
        QVERIFY(!io.M_boWriteLine(QStringLiteral("x")));
        QVERIFY(!io.WriteDelimitedNumbers({1}));
        QVERIFY(io.M_Close());
        QVERIFY(io.M_boOpen(path, true, false));
        QVERIFY(io.M_boEof());
        QString value;
        QVERIFY(!io.ReadDelimitedValue(value));
        QCOMPARE(io.M_stGetLine(), QString());
        QVERIFY(io.M_Close());
        QCOMPARE(fileBytes(path), QByteArray());
    }

    void replaceIsAtomic() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.kvs2"));
        writeBytes(path, "old\r\n");
        {
            clsFileIO io;
            QVERIFY(io.M_boOpen(path, true, false));
            QVERIFY(io.M_boWriteLine(QStringLiteral("new")));
            QCOMPARE(fileBytes(path), QByteArray("old\r\n")); // nothing in place yet
        }                                                     // dropped without M_Close
        QCOMPARE(fileBytes(path), QByteArray("old\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({"a.kvs2"}));

        clsFileIO io;
        QVERIFY(io.M_boOpen(path, true, false));
        QVERIFY(io.M_boWriteLine(QStringLiteral("new")));
        QVERIFY(io.M_Close());
        QCOMPARE(fileBytes(path), QByteArray("new\r\n"));
    }

    void failedReplaceIsReported() {
        // The target turns into a folder while the file is written: the
        // replace cannot happen and M_Close says so.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.kvs2"));
        clsFileIO io;
        QVERIFY(io.M_boOpen(path, true, false));
        QVERIFY(io.M_boWriteLine(QStringLiteral("new")));
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("a.kvs2/inside")));
        QVERIFY(!io.M_Close());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
    }

    void diskFullKeepsTheOldFile() {
#ifdef Q_OS_LINUX
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.kvs2"));
        writeBytes(path, "old\r\n");
        clsFileIO io;
        QVERIFY(io.M_boOpen(path, true, false));
        // Files of this process may not grow past 4 KiB for a moment, which
        // is what a full disk looks like to the writer.
        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = 4096;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        for (int i = 0; i < 100; ++i)
            io.M_boWriteLine(QString(100, u'x'));
        const bool closed = io.M_Close();
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);
        QVERIFY(!closed);
        QCOMPARE(fileBytes(path), QByteArray("old\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({"a.kvs2"}));
#else
        QSKIP("needs a per-process file size limit");
#endif
    }

    void append() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.txt"));
        clsFileIO io;
        QVERIFY(io.M_boOpen(path, true, true)); // created when missing
        QVERIFY(io.M_boWriteLine(QStringLiteral("表")));
        QVERIFY(io.M_Close());
        QVERIFY(io.M_boOpen(path, true, true));
        QVERIFY(io.WriteDelimitedNumbers({1.5, -2}));
        QVERIFY(io.M_Close());
        QCOMPARE(fileBytes(path), QByteArray("\x95\x5C\r\n1.5,-2\r\n"));
    }

    void openingAgainClosesFirst() {
        QTemporaryDir dir;
        const QString first = dir.filePath(QStringLiteral("1.txt"));
        const QString second = dir.filePath(QStringLiteral("2.txt"));
        writeBytes(second, "b\r\n");
        clsFileIO io;
        QVERIFY(io.M_boOpen(first, true, false));
        QVERIFY(io.M_boWriteLine(QStringLiteral("a")));
        QVERIFY(io.M_boOpen(second, false, false));
        QCOMPARE(fileBytes(first), QByteArray("a\r\n"));
        QCOMPARE(io.M_stGetLine(), QStringLiteral("b"));
    }

    // A keyed section: written only when it has values, read back whole, and
    // refused whole at the first line that breaks the rules.
    void keyedSections_data() {
        QTest::addColumn<QStringList>("section");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("refusedLine");
        using S = KeyedSectionRead::Status;
        QTest::newRow("ends at an empty line")
            << QStringList{"size=12", "", "x=1"} << int(S::Read) << "";
        QTest::newRow("ends with the file") << QStringList{"size=12"} << int(S::Read) << "";
        QTest::newRow("empty section") << QStringList{""} << int(S::Read) << "";
        QTest::newRow("no equals sign")
            << QStringList{"size=12", "colour"} << int(S::Refused) << "colour";
        QTest::newRow("empty key") << QStringList{"=12"} << int(S::Refused) << "=12";
        QTest::newRow("unknown key") << QStringList{"Size=12"} << int(S::Refused) << "Size=12";
        QTest::newRow("key twice")
            << QStringList{"size=12", "size=13"} << int(S::Refused) << "size=13";
        QTest::newRow("value refused")
            << QStringList{"size=twelve"} << int(S::Refused) << "size=twelve";
        QTest::newRow("a marker inside")
            << QStringList{"[$TextSettei$]"} << int(S::Refused) << "[$TextSettei$]";
    }
    void keyedSections() {
        QFETCH(QStringList, section);
        QFETCH(int, status);
        QFETCH(QString, refusedLine);
        const KeyRule rules[] = {
            {"size",
             [](const QString& v) { return v == QLatin1String("12") || v == QLatin1String("13"); }},
            {"name", [](const QString&) { return true; }},
        };
        clsFileIO io;
        io.M_OpenText((QStringList{"[$TavriSettei$]", "size=1", "", "[$KeySettei$]"} + section)
                          .join(QStringLiteral("\r\n")));
        const KeyedSectionRead read = readKeyedSection(io, QStringLiteral("[$KeySettei$]"), rules);
        QCOMPARE(int(read.status), status);
        QCOMPARE(read.refusedLine, refusedLine);
        if (read.status == KeyedSectionRead::Status::Read)
            QCOMPARE(read.values.value("size"), section[0] == "size=12" ? "12" : QString());
        else
            QVERIFY(read.values.isEmpty());
    }
    void keyedSectionWriting() {
        QVERIFY(keyedSectionLines(QStringLiteral("[$KeySettei$]"), {}).isEmpty());
        const QStringList lines =
            keyedSectionLines(QStringLiteral("[$KeySettei$]"), {{"size", "12"}, {"name", "a=b"}});
        QCOMPARE(lines, QStringList({"[$KeySettei$]", "size=12", "name=a=b", ""}));
        // What is written reads back, a value holding "=" included.
        clsFileIO io;
        io.M_OpenText(lines.join(QStringLiteral("\r\n")));
        const KeyRule rules[] = {{"size", [](const QString&) { return true; }},
                                 {"name", [](const QString&) { return true; }}};
        const KeyedSectionRead read = readKeyedSection(io, lines[0], rules);
        QVERIFY(!read.missing() && !read.refused());
        QCOMPARE(read.values.value("name"), QStringLiteral("a=b"));
        clsFileIO none;
        none.M_OpenText(QStringLiteral("[$TavriSettei$]\r\n1,2\r\n"));
        QVERIFY(readKeyedSection(none, lines[0], rules).missing());
        QVERIFY(isSectionKey("paper") && isSectionKey("width2"));
        QVERIFY(!isSectionKey("2width") && !isSectionKey("pa per") && !isSectionKey("用紙"));
    }
    void deviceModes() {
        QBuffer readOnly;
        readOnly.setData("a\r\n");
        QVERIFY(readOnly.open(QIODevice::ReadOnly));
        clsFileIO io;
        QVERIFY(!io.M_boOpen(readOnly, true));
        QVERIFY(io.M_boOpen(readOnly, false));
        QCOMPARE(io.M_stGetLine(), QStringLiteral("a"));
        QVERIFY(io.M_Close());
        QVERIFY(readOnly.isOpen()); // a device opened by its owner stays open

        QBuffer target;
        QVERIFY(io.M_boOpen(target, true));
        QVERIFY(io.M_boWriteLine(QStringLiteral("b")));
        QVERIFY(io.M_Close());
        QVERIFY(!target.isOpen()); // opened here, closed here
        QCOMPARE(target.data(), QByteArray("b\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestFiles)
#include "tst_files.moc"
