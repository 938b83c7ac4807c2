#include "files/settingsfile.h"

#include "engine/controls.h"
#include "engine/form.h"
#include "engine/messages.h"
#include "engine/numberrules.h"
#include "engine/papersizes.h"
#include "engine/tavriengine.h"
#include "engine/texts.h"
#include "files/cp932.h"
#include "files/fields.h"
#include "files/fileio.h"
#include "files/formatwords.h"
#include "files/keyedsection.h"
#include "files/texts.h"
#include "overlay/texts.h"

#include <QFile>
#include <QScopedValueRollback>

#include <algorithm>
#include <limits>
#include <optional>

namespace pernoa {
namespace {

namespace own = files::texts;

const QString kCrLf = QStringLiteral("\r\n");

QString boolText(bool value) {
    return value ? kTrueWord : kFalseWord;
}

// "True" and "False" in any letter case, or a number (any but 0 is true).
// Anything else, which the program never writes, reads as false.
bool boolFromText(const QString& text) {
    if (text.compare(kTrueWord, Qt::CaseInsensitive) == 0)
        return true;
    if (num::isNumeric(text))
        return num::toDoubleOrZero(text) != 0;
    return false;
}

// A value as it stands in a text or image line: bare where the value reader
// gives it back unchanged, otherwise in double quotes with inner ones doubled.
QString fileValue(const QString& value, bool quoteEmpty) {
    const bool quote = (quoteEmpty && value.isEmpty()) || value.contains(u',') ||
                       value.contains(u'\r') || value.contains(u'\n') || value.startsWith(u'"') ||
                       value.startsWith(u' ') || value.startsWith(u'\t');
    if (!quote)
        return value;
    QString inner = value;
    inner.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + inner + u'"';
}

bool keptByCodePage(const QString& value) {
    return cp932::decode(cp932::encode(value)) == value;
}

// A line of a quoted value that the section search would take for a marker.
bool holdsMarkerLine(const QString& value) {
    if (!value.contains(u'\r') && !value.contains(u'\n'))
        return false;
    QString lines = value;
    lines.replace(kCrLf, QStringLiteral("\n")).replace(u'\r', u'\n');
    for (const QString& line : lines.split(u'\n'))
        if (line == kTavriSetteiMarker || line == kTextSetteiMarker || line == kImageSetteiMarker ||
            line == kGakufuSetteiMarker)
            return true;
    return false;
}

// The word the file stores for the line weight the list shows selected: the
// list's entries are the captions, the file keeps its own words for them.
// "" when none is selected.
QString lineWeightWord(const QString& caption) {
    const qsizetype i = lineWeightCaptions().indexOf(caption);
    return i >= 0 && i < qsizetype(std::size(kLineWeightWords)) ? kLineWeightWords[i] : caption;
}

template <std::size_t N> int wordIndex(const char* const (&words)[N], const QString& value) {
    for (std::size_t i = 0; i < N; ++i)
        if (value == QLatin1String(words[i]))
            return int(i);
    return -1;
}

// A whole bar count as the window's check takes it.
std::optional<std::int32_t> barCount(const QString& value) {
    if (!num::isNumeric(value))
        return std::nullopt;
    const double count = num::roundHalfEven(num::toDouble(value));
    if (!(count >= 0 && count <= std::numeric_limits<std::int32_t>::max()))
        return std::nullopt;
    return std::int32_t(count);
}

QList<KeyedValue> musicValues(const MusicSettings& music) {
    QList<KeyedValue> values;
    if (!music.stack.empty())
        values.append({QLatin1String(kStackKey), stackText(music.stack)});
    if (music.grouping != BlockGrouping::None)
        values.append(
            {QLatin1String(kGroupingKey), QLatin1String(kGroupingWords[int(music.grouping)])});
    if (music.measures != 0)
        values.append({QLatin1String(kBarsKey), num::toText(music.measures)});
    if (music.barReach != BarLineReach::Block)
        values.append(
            {QLatin1String(kBarsThroughKey), QLatin1String(kBarReachWords[int(music.barReach)])});
    return values;
}

// Why a text or image value cannot be written faithfully, or nothing.
enum class Unwritable { No, Character, EscapedBreak, MarkerLine };

Unwritable unwritable(const QString& value, bool isText) {
    if (!keptByCodePage(value))
        return Unwritable::Character;
    if (isText && value.contains(kEscapedBreak))
        return Unwritable::EscapedBreak;
    if (holdsMarkerLine(value))
        return Unwritable::MarkerLine;
    return Unwritable::No;
}

// The sentences for a value of the n-th item that cannot be written: a
// character code page 932 lacks, and a line that is a section marker (the
// two characters \n only ever stop a text).
struct UnwritableSentences {
    QString (*character)(const QString& n, const QString& text);
    QString (*markerLine)(const QString& n, const QString& text);
};

const UnwritableSentences kTextSentences{own::textHasUnwritableCharacter, own::textHasMarkerLine};
const UnwritableSentences kFontSentences{own::fontHasUnwritableCharacter, own::fontHasMarkerLine};
const UnwritableSentences kColourSentences{own::colourHasUnwritableCharacter,
                                           own::colourHasMarkerLine};

} // namespace

SettingsFile::SettingsFile(TavriEngine& engine, overlay::OverlayItems& items)
    : m_engine(engine), m_form(engine.form()), m_messages(engine.messages()), m_items(items) {}

// ---------------------------------------------------------------------------
// Writing

QStringList SettingsFile::composeLines(QString* refusal) const {
    QStringList lines;
    lines.reserve(8 + m_items.count(overlay::ItemKind::Text) +
                  m_items.count(overlay::ItemKind::Image));

    // The parameter line names one of the five papers it always knew; any
    // other paper stands there as the nearest of them and is named in full in
    // the paper section, which the earlier versions pass over.
    QString paper;
    QList<KeyedValue> paperSection;
    if (const std::optional<PaperSize> selected = m_engine.selectedPaper()) {
        paper = QString::fromLatin1(standInPaper(*selected).name);
        if (!selected->inParameterLine)
            paperSection << KeyedValue{kPaperKey, QString::fromLatin1(selected->name)};
        if (selected->kind == PaperKind::Custom)
            paperSection << KeyedValue{kWidthKey, num::toPlainText(selected->widthMm)}
                         << KeyedValue{kHeightKey, num::toPlainText(selected->heightMm)};
    } else {
        // No option, or the paper of the user's size without a size (the
        // check has refused it before any save).
        for (const PaperSize& p : paperTable())
            if (m_form.isChecked(p.option) && p.inParameterLine)
                paper = QString::fromLatin1(p.name);
    }
    QString lineCount = QStringLiteral("5");
    if (m_form.isChecked(ctl::opt2))
        lineCount = QStringLiteral("2");
    else if (m_form.isChecked(ctl::opt3))
        lineCount = QStringLiteral("3");
    else if (m_form.isChecked(ctl::opt4))
        lineCount = QStringLiteral("4");
    else if (m_form.isChecked(ctl::opt6))
        lineCount = QStringLiteral("6");

    // Fields 1 to 4, 6, 7, 10 and 11 have passed the number check: they can
    // hold neither a comma nor a double quote.
    const QStringList parameters = {
        m_form.text(ctl::txtSpaceSizeUp),
        m_form.text(ctl::txtSpaceSizeDown),
        m_form.text(ctl::txtSpaceSizeLeft),
        m_form.text(ctl::txtSpaceSizeRight),
        lineWeightWord(m_form.selectedText(ctl::lstLineWeight)),
        m_form.text(ctl::txtTavriDansu),
        m_form.text(ctl::txtLineInterval),
        paper,
        num::toText(m_form.value(ctl::sbrPrintShade)),
        m_form.text(ctl::txtDaifuhyoCnt),
        m_form.text(ctl::txtDaifuhyoInterval),
        lineCount,
        m_form.isChecked(ctl::chkPrintDirectionYoko) ? QStringLiteral("1") : QStringLiteral("0"),
    };
    lines << kTavriSetteiMarker << parameters.join(u',') << QString()
          << keyedSectionLines(kYoushiSetteiMarker, paperSection)
          << keyedSectionLines(kGakufuSetteiMarker, musicValues(m_engine.musicFromControls()))
          << kTextSetteiMarker;

    auto refuse = [&](const QString& why) {
        if (refusal)
            *refusal = joinLines({own::cannotBeWrittenFaithfully(), why, own::fixAndSave()});
        return QStringList();
    };

    int written = 0;
    for (const std::int16_t slot : m_items.slotsInUse(overlay::ItemKind::Text)) {
        const overlay::OverlayText& t = m_items.text(slot);
        ++written;
        const QString n = num::toText(written);
        const QString quoted = quotedValue(t.Text);
        // The text, its font name and its colour, in this order.
        const struct {
            const QString& value;
            bool isText;
            const UnwritableSentences& sentences;
        } values[] = {{t.Text, true, kTextSentences},
                      {t.FontName, false, kFontSentences},
                      {t.ForeColor, false, kColourSentences}};
        for (const auto& [value, isText, sentences] : values) {
            switch (unwritable(value, isText)) {
            case Unwritable::No:
                break;
            case Unwritable::Character:
                return refuse(sentences.character(n, quoted));
            case Unwritable::EscapedBreak:
                return refuse(own::textHasEscapedBreak(n, quoted));
            case Unwritable::MarkerLine:
                return refuse(sentences.markerLine(n, quoted));
            }
        }
        QString text = t.Text;
        text.replace(kCrLf, kEscapedBreak);
        lines << fileValue(text, true) + u',' + num::toText(t.X) + u',' + num::toText(t.Y) + u',' +
                     fileValue(t.FontName, false) + u',' + num::toText(t.FontSize) + u',' +
                     boolText(t.FontBold) + u',' + boolText(t.FontItalic) + u',' +
                     boolText(t.FontUnderline) + u',' + fileValue(t.ForeColor, false);
    }
    lines << QString() << kImageSetteiMarker;

    written = 0;
    for (const std::int16_t slot : m_items.slotsInUse(overlay::ItemKind::Image)) {
        const overlay::OverlayImage& image = m_items.image(slot);
        ++written;
        switch (unwritable(image.ImagePath, false)) {
        case Unwritable::No:
        case Unwritable::EscapedBreak: // never asked of a path
            break;
        case Unwritable::Character:
            return refuse(own::imagePathHasUnwritableCharacter(num::toText(written)));
        case Unwritable::MarkerLine:
            return refuse(own::imagePathHasMarkerLine(num::toText(written)));
        }
        lines << num::toText(image.X) + u',' + num::toText(image.Y) + u',' +
                     fileValue(image.ImagePath, true) + u',' + num::toText(image.ImageSizePer);
    }
    return lines;
}

bool SettingsFile::prepareSave(QStringList& lines) {
    if (!m_engine.CheckSheetParams()) {
        m_messages.showMessage(joinLines({own::incompleteNotSaved(), own::fixAndSave()}),
                               texts::appTitle(), MsgIcon::Information);
        return false;
    }
    QString refusal;
    lines = composeLines(&refusal);
    if (lines.isEmpty()) {
        m_messages.showMessage(refusal, texts::errorTitle(), MsgIcon::Warning);
        return false;
    }
    return true;
}

bool SettingsFile::writeLines(clsFileIO& io, const QStringList& lines) {
    for (const QString& line : lines)
        if (!io.M_boWriteLine(line))
            return false;
    return io.M_Close();
}

bool SettingsFile::SaveSetteiFile(const QString& path) {
    QStringList lines;
    if (!prepareSave(lines))
        return false;
    // The lines go to a file beside the target that takes its place only
    // when every line is written: a failed save keeps the old file.
    clsFileIO io;
    if (!io.M_boOpen(path, true, false) || !writeLines(io, lines)) {
        m_messages.showMessage(own::saveFailed(), texts::errorTitle(), MsgIcon::Critical);
        m_messages.explainError(own::cannotWriteFile(path, io.errorString()));
        return false;
    }
    return true;
}

bool SettingsFile::SaveSetteiFile(QIODevice& device) {
    QStringList lines;
    if (!prepareSave(lines))
        return false;
    clsFileIO io;
    if (!io.M_boOpen(device, true) || !writeLines(io, lines)) {
        m_messages.showMessage(own::saveFailed(), texts::errorTitle(), MsgIcon::Critical);
        m_messages.explainError(own::cannotWriteSettings(io.errorString()));
        return false;
    }
    return true;
}

// ---------------------------------------------------------------------------
// Reading

bool SettingsFile::openAt(clsFileIO& io, const QString& path, const QString& marker,
                          const QString& missingMessage) {
    if (m_loadingText) {
        io.M_OpenText(*m_loadingText);
    } else if (!io.M_boOpen(path, false, false)) {
        m_messages.showMessage(own::cannotOpen(), texts::appTitle(), MsgIcon::None);
        return false;
    }
    while (!io.M_boEof()) {
        if (io.M_stGetLine() == marker)
            return true;
    }
    io.M_Close();
    m_messages.showMessage(missingMessage, texts::errorTitle(), MsgIcon::Critical);
    return false;
}

std::optional<SettingsFile::PaperSection> SettingsFile::readPaperSection(const QString& path) {
    const KeyRule rules[] = {
        {kPaperKey,
         [](const QString& value) {
             const PaperSize* paper = paperByName(value);
             return paper && !paper->inParameterLine;
         }},
        {kWidthKey,
         [](const QString& value) {
             return num::isNumeric(value) && isCustomPaperSide(num::toDouble(value));
         }},
        {kHeightKey,
         [](const QString& value) {
             return num::isNumeric(value) && isCustomPaperSide(num::toDouble(value));
         }},
    };
    clsFileIO io;
    if (m_loadingText)
        io.M_OpenText(*m_loadingText);
    else
        io.M_boOpen(path, false, false); // read before, so it opens
    KeyedSectionRead read = readKeyedSection(io, kYoushiSetteiMarker, rules);
    io.M_Close();

    PaperSection section;
    if (read.missing())
        return section;
    const auto line = [&read](const char* key) -> QString {
        return QLatin1String(key) + u'=' + read.values.value(QLatin1String(key));
    };
    if (!read.refused()) {
        // The sides belong to the paper of the user's size, and it needs both.
        const QString name = read.values.value(QLatin1String(kPaperKey));
        const bool custom = name == QLatin1String(paperByKind(PaperKind::Custom)->name);
        const bool hasWidth = read.values.contains(QLatin1String(kWidthKey));
        const bool hasHeight = read.values.contains(QLatin1String(kHeightKey));
        if (custom && !(hasWidth && hasHeight))
            read.refusedLine = line(kPaperKey);
        else if (!custom && hasWidth)
            read.refusedLine = line(kWidthKey);
        else if (!custom && hasHeight)
            read.refusedLine = line(kHeightKey);
        else if (custom)
            section.paper =
                customPaper(num::toDouble(read.values.value(QLatin1String(kWidthKey))),
                            num::toDouble(read.values.value(QLatin1String(kHeightKey))));
        else if (!name.isEmpty())
            section.paper = *paperByName(name);
        if (read.refusedLine.isEmpty())
            return section;
    }
    m_messages.showMessage(joinLines({own::paperSectionNotLoaded(),
                                      own::lineNotReadable(quotedValue(read.refusedLine))}),
                           texts::errorTitle(), MsgIcon::Critical);
    return std::nullopt;
}

std::optional<MusicSettings> SettingsFile::readGakufuSettei(const QString& path) {
    clsFileIO io;
    if (m_loadingText)
        io.M_OpenText(*m_loadingText);
    else if (!io.M_boOpen(path, false, false))
        return MusicSettings{};
    static const KeyRule rules[] = {
        {kStackKey, [](const QString& v) { return !v.isEmpty() && parseStackText(v).has_value(); }},
        {kGroupingKey, [](const QString& v) { return wordIndex(kGroupingWords, v) >= 0; }},
        {kBarsKey, [](const QString& v) { return barCount(v).has_value(); }},
        {kBarsThroughKey, [](const QString& v) { return wordIndex(kBarReachWords, v) >= 0; }},
    };
    const KeyedSectionRead read = readKeyedSection(io, kGakufuSetteiMarker, rules);
    io.M_Close();
    if (read.refused()) {
        m_messages.showMessage(joinLines({own::musicSectionUnreadable(),
                                          own::lineNotReadable(quotedValue(read.refusedLine))}),
                               texts::errorTitle(), MsgIcon::Critical);
        return std::nullopt;
    }
    MusicSettings music;
    const auto value = [&read](const char* key) { return read.values.value(QLatin1String(key)); };
    if (read.values.contains(QLatin1String(kStackKey)))
        music.stack = *parseStackText(value(kStackKey));
    if (read.values.contains(QLatin1String(kGroupingKey)))
        music.grouping = BlockGrouping(wordIndex(kGroupingWords, value(kGroupingKey)));
    if (read.values.contains(QLatin1String(kBarsKey)))
        music.measures = *barCount(value(kBarsKey));
    if (read.values.contains(QLatin1String(kBarsThroughKey)))
        music.barReach = BarLineReach(wordIndex(kBarReachWords, value(kBarsThroughKey)));
    return music;
}

bool SettingsFile::boLoadTavriSettei(const QString& path) {
    clsFileIO io;
    if (!openAt(io, path, kTavriSetteiMarker, own::tavriSectionNotLoaded()))
        return false;
    const QString line = io.M_stGetLine();
    io.M_Close();
    QString f[14];
    for (int i = 1; i <= 13; ++i)
        f[i] = stGetField(line, i);

    // Fields 5 and 9 to 13 are checked before anything changes. A value the
    // program never writes (a caption that is none of the three, a word where
    // a number belongs, a darkness outside 0 to 255, a count beyond 32 bits)
    // means the file was not written by it: the whole parameter line is
    // refused with the field named, and no control changes. Empty fields
    // take the values an older, shorter line stands for.
    auto refuse = [&](const char* field, const QString& value) {
        m_messages.showMessage(
            joinLines({own::tavriSectionNotLoaded(),
                       own::valueNotReadable(texts::tableText(field), quotedValue(value))}),
            texts::errorTitle(), MsgIcon::Critical);
        return false;
    };
    auto number = [](const QString& text, double& value) {
        if (text.isEmpty())
            return true;
        if (!num::isNumeric(text))
            return false;
        value = num::toDouble(text);
        return true;
    };

    // An empty word (a line cut short) keeps the start-up weight "普通".
    const QString word = f[5].isEmpty() ? kDefaultLineWeightWord : f[5];
    const auto stored = std::find(std::begin(kLineWeightWords), std::end(kLineWeightWords), word);
    if (stored == std::end(kLineWeightWords))
        return refuse(texts::kLineWeight, f[5]);
    const QString weight = lineWeightCaptions().value(stored - std::begin(kLineWeightWords));

    double shade = 0;
    if (!number(f[9], shade) || num::roundHalfEven(shade) < 0 || num::roundHalfEven(shade) > 255)
        return refuse(texts::kShade, f[9]);
    double blocks = 1;
    std::int32_t blockCount = 1;
    if (!number(f[10], blocks))
        return refuse(texts::kBlockCount, f[10]);
    try {
        blockCount = num::toInt32(blocks);
    } catch (const RuntimeError&) {
        return refuse(texts::kBlockCount, f[10]);
    }
    double gap = 0;
    if (!number(f[11], gap))
        return refuse(texts::kBlockGap, f[11]);
    double lineCount = 5;
    if (!number(f[12], lineCount))
        return refuse(texts::kLineCount, f[12]);
    double yokoValue = 0;
    if (!number(f[13], yokoValue))
        return refuse(texts::kLandscape, f[13]);
    const Orientation orientation =
        num::roundHalfEven(yokoValue) != 0 ? Orientation::Landscape : Orientation::Portrait;

    // The paper section, if any, is read whole before anything changes too.
    const std::optional<PaperSection> paperSection = readPaperSection(path);
    if (!paperSection)
        return false;

    // The values go in as a user's entries would, in this order; the paper
    // options and the landscape box redraw as they do for the user.
    m_form.setText(ctl::txtSpaceSizeUp, f[1]);
    m_form.setText(ctl::txtSpaceSizeDown, f[2]);
    m_form.setText(ctl::txtSpaceSizeLeft, f[3]);
    m_form.setText(ctl::txtSpaceSizeRight, f[4]);
    m_form.selectText(ctl::lstLineWeight, weight);
    m_form.setText(ctl::txtTavriDansu, f[6]);
    m_form.setText(ctl::txtLineInterval, f[7]);

    m_form.setValue(ctl::sbrPrintShade, int(num::roundHalfEven(shade)));
    m_form.setChecked(ctl::chkPrintDirectionYoko, orientation == Orientation::Landscape);

    // The paper section names the paper the parameter line can only stand
    // in for. Otherwise exact comparison: "a4" is no paper and leaves the
    // page as it was, and so does any word the line never holds.
    if (const std::optional<PaperSize>& paper = paperSection->paper) {
        if (paper->kind == PaperKind::Custom) {
            // The sides first, so that the option's handler takes them.
            m_form.setText(ctl::txtNiniHaba, num::toText(paper->widthMm));
            m_form.setText(ctl::txtNiniTakasa, num::toText(paper->heightMm));
        }
        m_form.setChecked(paper->option, true);
        m_engine.setPaper(*paper, orientation);
    } else if (const PaperSize* row = paperByName(f[8]); row && row->inParameterLine) {
        m_form.setChecked(row->option, true);
        m_engine.setPaper(*row, orientation);
    }

    m_form.setText(ctl::txtDaifuhyoCnt, num::toText(blockCount));
    m_form.setText(ctl::txtDaifuhyoInterval, num::toText(gap));

    static const char* const lineOptions[] = {ctl::opt2, ctl::opt3, ctl::opt4, ctl::opt5,
                                              ctl::opt6};
    const char* option = ctl::opt5;
    for (int n = 2; n <= 6; ++n)
        if (lineCount == n)
            option = lineOptions[n - 2];
    m_form.setChecked(option, true);
    return true;
}

bool SettingsFile::boLoadTextSettei(const QString& path) {
    clsFileIO io;
    if (!openAt(io, path, kTextSetteiMarker, own::textSectionNotLoaded()))
        return false;
    m_items.removeAll(overlay::ItemKind::Text);
    for (;;) {
        overlay::OverlayText item;
        QString size, bold, italic, underline;
        if (!io.ReadDelimitedValue(item.Text))
            break;
        // A blank line (not a quoted empty text) before a 0 ends the section.
        const bool quoted = io.M_boLastValueQuoted();
        if (!io.ReadDelimitedValue(item.X, item.Y, item.FontName, size, bold, italic, underline,
                                   item.ForeColor)) {
            // The file ends inside a record. A blank last line still counts
            // as the end of the section.
            break;
        }
        if (item.Text.isEmpty() && !quoted && item.X == 0)
            break;
        if (m_items.count(overlay::ItemKind::Text) >= overlay::kMaxItemSlots) {
            // Refused whole, as if the section were missing: no text items.
            m_items.removeAll();
            m_messages.showMessage(
                joinLines({own::textSectionNotLoaded(), overlay::texts::textLimit()}),
                texts::errorTitle(), MsgIcon::Critical);
            return false;
        }
        // The size as the font chooser gives it, whole points from 1 to 1638.
        // No other size is ever written: one that cannot be printed (an empty
        // field, 0) refuses the section, as if it were missing.
        const double points = num::isNumeric(size) ? num::roundHalfEven(num::toDouble(size)) : 0;
        if (!(points >= overlay::kMinFontSize && points <= overlay::kMaxFontSize)) {
            const QString why =
                own::fontSizeNotReadable(num::toText(m_items.count(overlay::ItemKind::Text) + 1),
                                         quotedValue(item.Text), quotedValue(size));
            m_items.removeAll();
            m_messages.showMessage(joinLines({own::textSectionNotLoaded(), why}),
                                   texts::errorTitle(), MsgIcon::Critical);
            return false;
        }
        item.FontSize = std::int16_t(points);
        item.Text.replace(kEscapedBreak, kCrLf);
        item.FontBold = boolFromText(bold);
        item.FontItalic = boolFromText(italic);
        item.FontUnderline = boolFromText(underline);
        item.InUse = true;
        m_items.add(item);
    }
    return true;
}

bool SettingsFile::boLoadImageSettei(const QString& path) {
    clsFileIO io;
    if (!openAt(io, path, kImageSetteiMarker, own::imageSectionNotLoaded()))
        return false;
    m_items.removeAll(overlay::ItemKind::Image);
    for (;;) {
        overlay::OverlayImage item;
        if (!io.ReadDelimitedValue(item.X, item.Y, item.ImagePath))
            return true;
        const bool quoted = io.M_boLastValueQuoted();
        if (!io.ReadDelimitedValue(item.ImageSizePer))
            return true;
        if (item.ImagePath.isEmpty() && !quoted)
            return true;
        if (m_items.count(overlay::ItemKind::Image) >= overlay::kMaxItemSlots) {
            // Refused whole: the texts stay, no image item does.
            m_items.removeAll(overlay::ItemKind::Image);
            m_messages.showMessage(
                joinLines({own::imageSectionNotLoaded(), overlay::texts::imageLimit()}),
                texts::errorTitle(), MsgIcon::Critical);
            return false;
        }
        // An item whose picture cannot be loaded stays as a free slot.
        item.InUse = LoadItemPicture(item);
        m_items.add(item);
        if (!item.InUse)
            return false;
    }
}

bool SettingsFile::LoadItemPicture(overlay::OverlayImage& item) {
    // Every item naming the same file shares its one decoded picture.
    if (m_items.pictures().load(item.ImagePath, item.Picture))
        return true;
    m_messages.showMessage(joinLines({overlay::texts::pictureNotLoaded(), own::pictureNotAtPath(),
                                      overlay::texts::pictureRemoved()}),
                           texts::errorTitle(), MsgIcon::Warning);
    return false;
}

// ---------------------------------------------------------------------------
// The loading sequence

bool SettingsFile::loadSections(const QString& path) {
    return readSections(path) == LoadReach::Whole;
}

LoadReach SettingsFile::readSections(const QString& path) {
    if (!m_items.removeAll()) {
        m_messages.showMessage(own::clearingFailed(), texts::appTitle(), MsgIcon::Warning);
        return LoadReach::Nothing;
    }
    // A file that cannot be read is left to the first reader, which says so.
    QString text;
    // However the readers end, the text is not used after this sequence.
    const QScopedValueRollback<const QString*> loading(m_loadingText);
    if (readTextFile(path, text))
        m_loadingText = &text;
    // The music section is checked whole before the parameters change: a
    // refused section leaves the page as it was, as a refused parameter
    // line does. A file without one is a page without music.
    const std::optional<MusicSettings> music = readGakufuSettei(path);
    if (!music || !boLoadTavriSettei(path))
        return LoadReach::Nothing;
    m_engine.putMusicSettings(*music);
    return boLoadTextSettei(path) && boLoadImageSettei(path) ? LoadReach::Whole : LoadReach::Partly;
}

bool isSettingsFilePath(const QString& path) {
    return path.endsWith(QLatin1String(".kvs2"), Qt::CaseInsensitive);
}

bool SettingsFile::boLoadSetteiFile(const QString& path) {
    if (!loadSections(path))
        return false;
    m_engine.DrawTavriSheet(0);
    return true;
}

QString stGetCommandLine(const QStringList& arguments) {
    return arguments.size() > 1 ? arguments.at(1) : QString();
}

} // namespace pernoa
