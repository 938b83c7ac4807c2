// The engine's side of the music controls: their check, their reading into
// the music record, presets and rastral sizes.

#include "engine/controls.h"
#include "engine/numberrules.h"
#include "engine/tavriengine.h"
#include "engine/texts.h"

#include <cmath>
#include <limits>

namespace pernoa {
namespace {

const double kLineAllowanceMm = LineThicknessTwip / TwipsPerMm;

// A number greater than 0 as the check takes it, or nothing.
std::optional<double> positiveNumber(const QString& text) {
    if (!num::isNumeric(text))
        return std::nullopt;
    const double value = num::toDouble(text);
    if (!(value > 0))
        return std::nullopt;
    return value;
}

// The label the window's field check names the line spacing by.
QString spacingLabel() {
    return texts::tableText(texts::kLineSpacingField);
}

} // namespace

bool TavriEngine::checkMusicParams() {
    auto refuse = [this](const QString& text) {
        m_messages.showMessage(text, texts::appTitle(), MsgIcon::Warning);
        return false;
    };
    const QString stack = m_form.text(ctl::txtFuhyoNarabi);
    const auto rows = stack.size() > kMaxFieldChars ? std::nullopt : splitStackText(stack);
    if (!rows)
        return refuse(texts::stackUnreadable(quotedValue(stack)));
    if (rows->size() > kMaxStackRows)
        return refuse(texts::stackTooManyRows(int(kMaxStackRows)));
    for (std::size_t i = 0; i < rows->size(); ++i) {
        const StackRowText& row = (*rows)[i];
        const int n = int(i + 1);
        if (!clefByWord(row.clef))
            return refuse(texts::stackClefUnknown(n, quotedValue(row.clef)));
        if (!row.lines.isEmpty()) {
            if (!CheckNumber(row.lines, texts::stackLineCountField(n)))
                return false;
            const double lines = num::roundHalfEven(num::toDouble(row.lines));
            if (!(lines >= kMinStackLines && lines <= kMaxStackLines))
                return refuse(texts::stackLineCountRange(n, kMinStackLines, kMaxStackLines));
        }
        if (!row.spacing.isEmpty()) {
            if (!CheckPositiveNumber(row.spacing, texts::stackSpacingField(n)))
                return false;
            if (!std::isfinite(num::mmToTwips(num::toDouble(row.spacing))))
                return refuse(texts::stackSpacingWrong(n));
        }
    }
    const QString measures = m_form.text(ctl::txtShosetsuSu);
    if (!CheckNumber(measures, texts::tableText(texts::kMeasuresPerLine)))
        return false;
    const double count = num::roundHalfEven(num::toDouble(measures));
    if (!(count >= 0 && count <= std::numeric_limits<std::int32_t>::max()))
        return refuse(texts::measuresNotWhole());
    return true;
}

MusicSettings TavriEngine::musicFromControls() const {
    MusicSettings music;
    music.stack =
        parseStackText(m_form.text(ctl::txtFuhyoNarabi)).value_or(std::vector<StaffRow>{});
    if (m_form.isChecked(ctl::optKukuriBrace))
        music.grouping = BlockGrouping::Brace;
    else if (m_form.isChecked(ctl::optKukuriBracket))
        music.grouping = BlockGrouping::Bracket;
    music.measures = num::textToInt32(m_form.text(ctl::txtShosetsuSu));
    music.barReach =
        m_form.isChecked(ctl::optShosetsuFuhyogoto) ? BarLineReach::Staff : BarLineReach::Block;
    return music;
}

void TavriEngine::putMusicSettings(const MusicSettings& music) {
    m_form.setText(ctl::txtFuhyoNarabi, stackText(music.stack));
    const char* grouping = music.grouping == BlockGrouping::Brace     ? ctl::optKukuriBrace
                           : music.grouping == BlockGrouping::Bracket ? ctl::optKukuriBracket
                                                                      : ctl::optKukuriNashi;
    m_form.setChecked(grouping, true);
    m_form.setText(ctl::txtShosetsuSu, num::toText(music.measures));
    m_form.setChecked(music.barReach == BarLineReach::Staff ? ctl::optShosetsuFuhyogoto
                                                            : ctl::optShosetsuTsuranuku,
                      true);
    showStaffHeight();
}

Outcome TavriEngine::applyPreset(MusicPreset preset) {
    const MusicPresetEntry* entry = musicPreset(preset);
    if (!entry)
        return Outcome::refused();
    // Only a preset of several rows needs the page's height, and only one
    // with a spacing of its own needs the window's spacing.
    const bool fillsPage = entry->rows.size() > 1;
    double spacing = 0;
    double usable = 0;
    if (fillsPage) {
        const QString up = m_form.text(ctl::txtSpaceSizeUp);
        const QString down = m_form.text(ctl::txtSpaceSizeDown);
        const QString lineSpacing = m_form.text(ctl::txtLineInterval);
        if (!CheckPositiveNumber(up, texts::tableText(texts::kUpperMargin)) ||
            !CheckPositiveNumber(down, texts::tableText(texts::kLowerMargin)) ||
            !CheckPositiveNumber(lineSpacing, spacingLabel()))
            return Outcome::refused();
        spacing = num::toDouble(lineSpacing);
        usable = m_settings.PaperHeightTwip / TwipsPerMm - num::toDouble(up) - num::toDouble(down);
    }
    const MusicSettings music = applyMusicPreset(preset, {}, spacing);
    const PresetPage page = presetPage(preset, spacing, usable);
    m_form.setText(ctl::txtFuhyoNarabi, stackText(music.stack));
    m_form.setChecked(music.grouping == BlockGrouping::Brace     ? ctl::optKukuriBrace
                      : music.grouping == BlockGrouping::Bracket ? ctl::optKukuriBracket
                                                                 : ctl::optKukuriNashi,
                      true);
    m_form.setChecked(music.barReach == BarLineReach::Staff ? ctl::optShosetsuFuhyogoto
                                                            : ctl::optShosetsuTsuranuku,
                      true);
    m_form.setText(ctl::txtTavriDansu, num::toText(page.stavesPerBlock));
    m_form.setText(ctl::txtDaifuhyoCnt, num::toText(page.blocks));
    m_form.setText(ctl::txtDaifuhyoInterval, num::toText(page.blockGapMm));
    if (preset == MusicPreset::Plain) {
        m_form.setText(ctl::txtShosetsuSu, QStringLiteral("0"));
        m_form.setChecked(ctl::opt5, true);
    }
    showStaffHeight();
    return Outcome::done();
}

Outcome TavriEngine::applyRastral(std::int32_t rastral) {
    const double spacing = rastralSpacingMm(rastral, staffSizeLines());
    if (!(spacing > 0))
        return Outcome::refused();
    // Rows of their own spacing keep their proportion to the staff: the
    // tablature of the guitar preset stays half as wide again.
    const std::optional<double> before = positiveNumber(m_form.text(ctl::txtLineInterval));
    auto rows = splitStackText(m_form.text(ctl::txtFuhyoNarabi));
    if (before && rows) {
        const double ratio = (spacing + kLineAllowanceMm) / (*before + kLineAllowanceMm);
        bool changed = false;
        for (StackRowText& row : *rows) {
            const std::optional<double> own = positiveNumber(row.spacing);
            const double scaled = own ? (*own + kLineAllowanceMm) * ratio - kLineAllowanceMm : 0;
            if (own && scaled > 0) {
                row.spacing = num::toText(scaled);
                changed = true;
            }
        }
        if (changed) {
            QStringList texts;
            for (const StackRowText& row : *rows) {
                QString text = row.clef;
                if (!row.lines.isEmpty() || !row.spacing.isEmpty())
                    text += u':' + row.lines;
                if (!row.spacing.isEmpty())
                    text += u':' + row.spacing;
                texts << text;
            }
            m_form.setText(ctl::txtFuhyoNarabi, texts.join(u','));
        }
    }
    m_form.setText(ctl::txtLineInterval, num::toText(spacing));
    showStaffHeight();
    return Outcome::done();
}

std::int32_t TavriEngine::staffSizeLines() const {
    std::int32_t lines = 5;
    const QStringList options = lineCountOptions();
    for (qsizetype i = 0; i < options.size(); ++i)
        if (m_form.isChecked(options[i]))
            lines = std::int32_t(i) + 2;
    if (const auto rows = splitStackText(m_form.text(ctl::txtFuhyoNarabi))) {
        for (const StackRowText& row : *rows) {
            if (!row.spacing.isEmpty())
                continue;
            lines = 5;
            if (num::isNumeric(row.lines)) {
                const double n = num::roundHalfEven(num::toDouble(row.lines));
                if (n >= kMinStackLines && n <= kMaxStackLines)
                    lines = std::int32_t(n);
            }
            break;
        }
    }
    return lines < 2 ? 5 : lines;
}

std::int32_t TavriEngine::currentRastral() const {
    const std::optional<double> spacing = positiveNumber(m_form.text(ctl::txtLineInterval));
    if (!spacing)
        return -1;
    const std::int32_t lines = staffSizeLines();
    for (const RastralSize& size : rastralSizes())
        if (std::fabs(rastralSpacingMm(size.number, lines) - *spacing) < 1e-9)
            return size.number;
    return -1;
}

void TavriEngine::showStaffHeight() {
    const std::optional<double> spacing = positiveNumber(m_form.text(ctl::txtLineInterval));
    const double height = spacing ? staffHeightMm(staffSizeLines(), *spacing) : 0;
    m_form.setText(ctl::lblGosenTakasa,
                   std::isfinite(height) && height > 0
                       ? texts::staffHeight(num::toText(std::round(height * 100) / 100))
                       : QString());
}

} // namespace pernoa
