#include "engine/tavriengine.h"

#include "engine/controls.h"
#include "engine/musicdrawing.h"
#include "engine/numberrules.h"
#include "engine/texts.h"

#include <cmath>
#include <new>
#include <utility>

namespace pernoa {
namespace {

// Restores the normal pointer however the drawing ends.
class BusyPointer {
public:
    explicit BusyPointer(IMessages& messages) : m_messages(messages) {
        m_messages.setBusyPointer(true);
    }
    ~BusyPointer() { restore(); }
    void restore() {
        if (m_on) {
            m_on = false;
            m_messages.setBusyPointer(false);
        }
    }

private:
    IMessages& m_messages;
    bool m_on = true;
};

// Ends the progress however the job ends, before the busy pointer goes.
class ProgressScope {
public:
    ProgressScope(IProgress* progress, int total) : m_progress(progress) {
        if (m_progress)
            m_progress->start(total);
    }
    ~ProgressScope() { finish(); }
    bool step(int done) { return !m_progress || m_progress->step(done); }
    void finish() {
        if (m_progress)
            std::exchange(m_progress, nullptr)->finish();
    }

private:
    IProgress* m_progress;
};

} // namespace

std::vector<TavriLine> layoutTavriLines(const SheetSettings& s) {
    using num::checked;
    const double H = s.PaperHeightTwip;
    const double W = s.PaperWidthTwip;
    const double T = s.SpaceSizeUpTwip;
    const double B = s.SpaceSizeDownTwip;
    const double L = s.SpaceSizeLeftTwip;
    const double R = s.SpaceSizeRightTwip;
    const std::int32_t G = s.DaifuhyoCnt;
    const double Gi = s.DaifuhyoIntervalTwip;
    const std::int32_t S = s.TavriDansu;
    const std::int32_t N = s.LineCnt;
    const double Li = s.LineIntervalTwip;
    const double t = LineThicknessTwip;

    const double U = checked(H - checked(B + T));
    if (G == 0)
        throw RuntimeError(RuntimeError::Kind::DivisionByZero, texts::blockCountRoundsToZero());
    const double Hb = num::divide(checked(U - checked((double(G) - 1) * Gi)), double(G));
    const double endX = checked(W - R);

    // The page holds G x S x N lines; a count past the limit is refused before
    // anything is reserved (it could not be drawn in any useful time anyway).
    // The loop below visits every block even when S or N is 0, so the block
    // count is bounded as well.
    const double blocks = double(G > 0 ? G : 0);
    const double count = blocks * double(S > 0 ? S : 0) * double(N > 0 ? N : 0);
    if (count > kMaxTavriLines || blocks > kMaxTavriLines) {
        const QString what = count > kMaxTavriLines
                                 ? texts::tooManyLines(num::toGroupedText(count))
                                 : texts::tooManyBlocks(num::toGroupedText(blocks));
        throw RuntimeError(RuntimeError::Kind::OutOfMemory, what.toStdString());
    }

    std::vector<TavriLine> lines;
    lines.reserve(static_cast<std::size_t>(count));

    const double step = checked(t + Li);
    double y0 = T;
    // 64-bit counters: a 32-bit one could never pass a count of INT32_MAX.
    for (std::int64_t block = 1; block <= G; ++block) {
        const double Hs = checked(checked((double(N) - 1) * Li) + double(N) * t);
        const double F = checked(Hb - Hs);
        const double D = S > 1 ? num::divide(F, double(S) - 1) : F;
        double y = y0;
        for (std::int64_t staff = 1; staff <= S; ++staff) {
            double lineY = y;
            for (std::int64_t i = 1; i <= N; ++i) {
                lines.push_back(TavriLine{lineY, L, lineY, endX});
                lineY = checked(lineY + step);
            }
            y = checked(y + D);
        }
        y0 = checked(checked(y0 + Hb) + Gi);
    }
    return lines;
}

TavriEngine::TavriEngine(IForm& form, IMessages& messages) : m_form(form), m_messages(messages) {}

void TavriEngine::initStartValues() {
    m_settings.HyojiSize = kHyojiSmall;
    const QSizeF page = defaultPaper().sizeTwips(Orientation::Portrait);
    m_settings.PaperHeightTwip = page.height();
    m_settings.PaperWidthTwip = page.width();
    showStaffHeight();
}

// ---------------------------------------------------------------------------
// Sheet settings record

void TavriEngine::GatherSheetSettings() {
    using num::checked;
    using num::mmToTwips;
    using num::toDouble;
    SheetSettings& s = m_settings;

    s.SpaceSizeUp = toDouble(m_form.text(ctl::txtSpaceSizeUp));
    s.SpaceSizeDown = toDouble(m_form.text(ctl::txtSpaceSizeDown));
    s.SpaceSizeLeft = toDouble(m_form.text(ctl::txtSpaceSizeLeft));
    s.SpaceSizeRight = toDouble(m_form.text(ctl::txtSpaceSizeRight));
    s.SpaceSizeUpTwip = checked(mmToTwips(s.SpaceSizeUp));
    s.SpaceSizeDownTwip = checked(mmToTwips(s.SpaceSizeDown));
    s.SpaceSizeLeftTwip = checked(mmToTwips(s.SpaceSizeLeft));
    s.SpaceSizeRightTwip = checked(mmToTwips(s.SpaceSizeRight));

    s.PrinterGosaY = toDouble(m_form.text(ctl::txtPrinterGosaY));
    s.PrinterGosaX = toDouble(m_form.text(ctl::txtPrinterGosaX));
    s.PrinterGosaYTwip = checked(mmToTwips(s.PrinterGosaY));
    s.PrinterGosaXTwip = checked(mmToTwips(s.PrinterGosaX));
    s.PrinterBairituX = toDouble(m_form.text(ctl::txtPrinterBairituX));
    s.PrinterBairituY = toDouble(m_form.text(ctl::txtPrinterBairituY));

    for (const PaperSize& p : paperTable()) {
        if (m_form.isChecked(p.option)) {
            s.PaperKind = p.kind;
            break;
        }
    }

    s.PrintDirectionYoko = checkedOrientation();
    s.HyojiSize = m_form.isChecked(ctl::optHyojiLarge) ? kHyojiLarge : kHyojiSmall;
    s.PrintShade = m_form.value(ctl::sbrPrintShade);

    s.DaifuhyoCnt = num::textToInt32(m_form.text(ctl::txtDaifuhyoCnt));
    s.DaifuhyoInterval = toDouble(m_form.text(ctl::txtDaifuhyoInterval));
    s.DaifuhyoIntervalTwip = checked(mmToTwips(s.DaifuhyoInterval));

    // Any text that is neither of the first two entries, none included, is thick.
    const QStringList weights = lineWeightCaptions();
    const QString weight = m_form.selectedText(ctl::lstLineWeight);
    if (weight == weights[0])
        s.LineWeight = kLineWeightThin;
    else if (weight == weights[1])
        s.LineWeight = kLineWeightNormal;
    else
        s.LineWeight = kLineWeightThick;

    s.TavriDansu = num::textToInt32(m_form.text(ctl::txtTavriDansu));
    s.LineInterval = toDouble(m_form.text(ctl::txtLineInterval));
    s.LineIntervalTwip = checked(mmToTwips(s.LineInterval));

    const QStringList lineOptions = lineCountOptions();
    for (qsizetype i = 0; i < lineOptions.size(); ++i) {
        if (m_form.isChecked(lineOptions[i])) {
            s.LineCnt = std::int32_t(i) + 2;
            break;
        }
    }
    m_music = musicFromControls();
}

// ---------------------------------------------------------------------------
// Parameter checks

bool TavriEngine::CheckNumber(const QString& text, const QString& label) {
    if (text.isEmpty()) {
        m_messages.showMessage(texts::fieldEmpty(label), texts::appTitle(), MsgIcon::Warning);
        return false;
    }
    if (text.size() > kMaxFieldChars) {
        m_messages.showMessage(texts::fieldTooLong(label, kMaxFieldChars), texts::appTitle(),
                               MsgIcon::Warning);
        return false;
    }
    if (!num::isNumeric(text)) {
        m_messages.showMessage(texts::fieldNotNumeric(label), texts::appTitle(), MsgIcon::Warning);
        return false;
    }
    return true;
}

bool TavriEngine::CheckPositiveNumber(const QString& text, const QString& label) {
    if (!CheckNumber(text, label))
        return false;
    if (!(num::toDouble(text) > 0.0)) {
        m_messages.showMessage(joinLines({texts::tease(), label}), texts::teaseTitle(),
                               MsgIcon::Warning);
        return false;
    }
    return true;
}

bool TavriEngine::CheckSheetParams() {
    struct Field {
        const char* control;
        const char* label;
        bool positive;
    };
    static const Field fields[] = {
        {ctl::txtSpaceSizeUp, texts::kUpperMargin, true},
        {ctl::txtSpaceSizeDown, texts::kLowerMargin, true},
        {ctl::txtSpaceSizeLeft, texts::kLeftMargin, true},
        {ctl::txtSpaceSizeRight, texts::kRightMargin, true},
        {ctl::txtTavriDansu, texts::kStaffCount, true},
        {ctl::txtLineInterval, texts::kLineSpacingField, true},
        {ctl::txtDaifuhyoCnt, texts::kBlockCount, true},
        {ctl::txtDaifuhyoInterval, texts::kBlockGap, false},
        {ctl::txtPrinterGosaX, texts::kOffsetLeftField, false},
        {ctl::txtPrinterGosaY, texts::kOffsetTopField, false},
    };
    for (const Field& f : fields) {
        const QString text = m_form.text(f.control);
        const QString label = texts::tableText(f.label);
        const bool ok = f.positive ? CheckPositiveNumber(text, label) : CheckNumber(text, label);
        if (!ok)
            return false;
    }
    if (!checkScaleCorrection())
        return false;
    // The size of the user's paper counts only while that paper is chosen.
    if (m_form.isChecked(ctl::optNini) &&
        (!checkNumberInRange(m_form.text(ctl::txtNiniHaba),
                             texts::tableText(texts::kCustomWidthField), kCustomPaperMinMm,
                             kCustomPaperMaxMm, false) ||
         !checkNumberInRange(m_form.text(ctl::txtNiniTakasa),
                             texts::tableText(texts::kCustomHeightField), kCustomPaperMinMm,
                             kCustomPaperMaxMm, false)))
        return false;
    return checkMusicParams();
}

bool TavriEngine::checkScaleCorrection() {
    return checkNumberInRange(m_form.text(ctl::txtPrinterBairituX),
                              texts::tableText(texts::kScaleAcrossField), kScaleCorrectionMin,
                              kScaleCorrectionMax, true) &&
           checkNumberInRange(m_form.text(ctl::txtPrinterBairituY),
                              texts::tableText(texts::kScaleDownField), kScaleCorrectionMin,
                              kScaleCorrectionMax, true);
}

bool TavriEngine::checkNumberInRange(const QString& text, const QString& label, double low,
                                     double high, bool tenths) {
    if (!CheckNumber(text, label))
        return false;
    const double value = num::toDouble(text);
    if (value >= low && value <= high)
        return true;
    // The bounds with one decimal where the field takes tenths (98.0).
    auto bound = [tenths](double v) { return tenths ? num::toTenthsText(v) : num::toText(v); };
    m_messages.showMessage(texts::valueOutOfRange(label, bound(low), bound(high)),
                           texts::appTitle(), MsgIcon::Warning);
    return false;
}

// ---------------------------------------------------------------------------
// Page sizes and display size

Orientation TavriEngine::checkedOrientation() const {
    return m_form.isChecked(ctl::chkPrintDirectionYoko) ? Orientation::Landscape
                                                        : Orientation::Portrait;
}

void TavriEngine::setPaper(const PaperSize& paper, Orientation orientation) {
    const QSizeF page = paper.sizeTwips(orientation);
    const double H = page.height();
    const double W = page.width();
    const std::int32_t h = num::toInt32(num::divide(H, m_settings.HyojiSize));
    const std::int32_t w = num::toInt32(num::divide(W, m_settings.HyojiSize));
    m_settings.PaperHeightTwip = H;
    m_settings.PaperWidthTwip = W;
    if (m_surface) {
        m_surface->setSurfaceHeight(h);
        m_surface->setSurfaceWidth(w);
    }
    if (m_window) {
        m_window->setWindowHeight(h + kPreviewWindowExtraHeight);
        m_window->setWindowWidth(w + kPreviewWindowExtraWidth);
        m_window->setDescriptionTop(h + kDescriptionBelowPicture);
        const float left = float(w) / 2.0f - float(m_window->titleWidth()) / 2.0f;
        m_window->setTitleLeft(left);
    }
}

std::optional<PaperSize> TavriEngine::paperOf(const PaperSize& row) const {
    if (row.kind != PaperKind::Custom)
        return row;
    const QString width = m_form.text(ctl::txtNiniHaba);
    const QString height = m_form.text(ctl::txtNiniTakasa);
    if (!num::isNumeric(width) || !num::isNumeric(height))
        return std::nullopt;
    const double w = num::toDouble(width);
    const double h = num::toDouble(height);
    if (!isCustomPaperSide(w) || !isCustomPaperSide(h))
        return std::nullopt;
    return customPaper(w, h);
}

std::optional<PaperSize> TavriEngine::selectedPaper() const {
    for (const PaperSize& p : paperTable())
        if (m_form.isChecked(p.option))
            return paperOf(p);
    return std::nullopt;
}

void TavriEngine::ApplyPaperSize() {
    if (const std::optional<PaperSize> paper = selectedPaper())
        setPaper(*paper, checkedOrientation());
}

bool TavriEngine::GF_boChangeHyojiSizeSmall() {
    m_settings.HyojiSize = kHyojiSmall;
    return GF_boChangeHyoujiSize();
}

bool TavriEngine::GF_boChangeHyojiSizeLarge() {
    m_settings.HyojiSize = kHyojiLarge;
    return GF_boChangeHyoujiSize();
}

bool TavriEngine::GF_boChangeHyoujiSize() {
    ApplyPaperSize();
    DrawTavriSheet(0);
    return true;
}

void TavriEngine::onPaperOptionSelected(PaperKind paperKind) {
    const PaperSize* row = paperByKind(paperKind);
    if (!row)
        return;
    // A size of the user's that is no size leaves the page as it was; the
    // drawing's check then says what is wrong with it.
    if (const std::optional<PaperSize> paper = paperOf(*row))
        setPaper(*paper, checkedOrientation());
    DrawTavriSheet(0);
}

void TavriEngine::onCustomSizeEdited() {
    if (!m_form.isChecked(ctl::optNini))
        return;
    ApplyPaperSize();
    DrawTavriSheet(0);
}

void TavriEngine::onLandscapeClicked() {
    ApplyPaperSize();
    DrawTavriSheet(0);
}

// ---------------------------------------------------------------------------
// Drawing

QString TavriEngine::preparePrinter(IPrinter* printer) {
    if (!printer)
        return texts::noPrinter();
    if (const std::optional<PaperSize> paper = selectedPaper())
        printer->setPaperSize(*paper);
    printer->setOrientation(m_settings.PrintDirectionYoko);
    printer->setUnitTwips();
    printer->setLineWidth(m_settings.LineWeight);
    printer->setScaleCorrection(m_settings.PrinterBairituX / 100.0,
                                m_settings.PrinterBairituY / 100.0);
    printer->beginDoc();
    return printer->failure();
}

Outcome TavriEngine::abandonJob(IPrinter* printer, bool jobStarted, const QString& cause) {
    if (jobStarted && printer)
        printer->abortDoc();
    m_messages.showMessage(texts::catchAllError(), texts::appTitle(), MsgIcon::None);
    m_messages.explainError(cause);
    return Outcome::failed(cause);
}

QString TavriEngine::drawCopies(std::int32_t passes, IPrinter* printer, bool& cancelled) {
    const int shade = m_settings.PrintShade;
    const QColor colour(qBound(0, shade, 255), qBound(0, shade, 255), qBound(0, shade, 255));
    const double hyoji = m_settings.HyojiSize;
    ProgressScope progress(printer ? m_progress : nullptr, passes);
    for (std::int32_t pass = 0; pass < passes; ++pass) {
        for (const TavriLine& line : m_lines) {
            // The preview shows the same page for every copy; drawing its
            // lines again would change nothing on screen.
            if (m_surface && pass == 0) {
                m_surface->drawLine(num::toSingle(num::divide(line.StartX, hyoji)),
                                    num::toSingle(num::divide(line.StartY, hyoji)),
                                    num::toSingle(num::divide(line.EndX, hyoji)),
                                    num::toSingle(num::divide(line.EndY, hyoji)), colour);
            }
            if (printer) {
                printer->drawLine(num::toSingle(line.StartX - m_settings.PrinterGosaXTwip),
                                  num::toSingle(line.StartY - m_settings.PrinterGosaYTwip),
                                  num::toSingle(line.EndX - m_settings.PrinterGosaXTwip),
                                  num::toSingle(line.EndY - m_settings.PrinterGosaYTwip), colour);
            }
        }
        if (m_musicPage)
            drawMusicSigns(*m_musicPage, *m_musicInk, colour, pass == 0 ? m_surface : nullptr,
                           hyoji, printer, m_settings.PrinterGosaXTwip,
                           m_settings.PrinterGosaYTwip);
        if (m_overlay) {
            const Outcome texts = m_overlay->outputTextItems(printer);
            if (!texts.isDone())
                return texts.cause();
            const Outcome images = m_overlay->outputImageItems(printer);
            if (!images.isDone())
                return images.cause();
        }
        if (printer) {
            printer->newPage();
            if (!printer->failure().isEmpty())
                return printer->failure();
            // Asked only after a whole copy: the preview is complete by then.
            if (!progress.step(pass + 1)) {
                cancelled = true;
                break;
            }
        }
    }
    return {};
}

Outcome TavriEngine::DrawTavriSheet(std::int32_t copies, const PrintJobOptions& job) {
    BusyPointer busy(m_messages);
    m_lines.clear();
    m_warnings = {};
    m_musicPage.reset();
    if (!CheckSheetParams())
        return Outcome::refused();

    IPrinter* const target = job.printer ? job.printer : m_printer;
    const bool printing = copies >= 1;
    // The printer of this job; none when only the preview is drawn.
    IPrinter* const printer = printing ? target : nullptr;
    bool jobStarted = false;
    bool laidOut = false;
    bool cancelled = false;
    QString cause;
    // The paper of the user's size follows its fields, also when a size was
    // typed and not yet put into effect (the field still has the focus).
    if (m_form.isChecked(ctl::optNini)) {
        if (const std::optional<PaperSize> paper = selectedPaper()) {
            const QSizeF page = paper->sizeTwips(checkedOrientation());
            if (page.height() != m_settings.PaperHeightTwip ||
                page.width() != m_settings.PaperWidthTwip)
                setPaper(*paper, checkedOrientation());
        }
    }
    try {
        GatherSheetSettings();
        if (!layOutMusic())
            return Outcome::refused();
        if (m_surface)
            m_surface->clear();

        m_lines = m_musicPage ? m_musicPage->lines : layoutTavriLines(m_settings);
        laidOut = true;
        tellWarnings(target);

        std::size_t n = std::size_t(m_settings.LineCnt > 0 ? m_settings.LineCnt : 0);
        if (m_musicPage) // the first staff's lines, however many it has
            n = m_musicPage->staves.empty() ? 0 : std::size_t(m_musicPage->staves[0].lineCount);
        if (n > 0 && m_lines.size() > n) {
            const double d = (m_lines[n].StartY - m_lines[n - 1].StartY) / TwipsPerMm;
            m_form.setText(ctl::txtTavriInterval, num::toText(d));
        }

        if (m_surface)
            m_surface->setUnitTwips();
        if (printing) {
            jobStarted = true;
            cause = preparePrinter(printer);
        }
        if (cause.isEmpty())
            cause = drawCopies(printing ? copies : 1, printer, cancelled);
    } catch (const RuntimeError& error) {
        cause = QString::fromStdString(error.what());
    } catch (const std::bad_alloc&) {
        cause = texts::outOfMemory();
    }
    if (!cause.isEmpty()) {
        if (!laidOut && m_window)
            m_window->setNotice(QString()); // the page it spoke of is gone
        return abandonJob(target, jobStarted, cause);
    }

    busy.restore();
    if (!printing)
        return Outcome::done();
    if (cancelled) {
        // Dropped whole: nothing reaches the printer, no file is written.
        printer->abortDoc();
        if (!job.cancelledMessage.isEmpty())
            m_messages.showMessage(job.cancelledMessage, texts::appTitle(), MsgIcon::Information);
        return Outcome::cancelled();
    }
    printer->endDoc();
    if (!printer->failure().isEmpty())
        return abandonJob(printer, true, printer->failure());
    if (!job.doneMessage.isEmpty())
        m_messages.showMessage(job.doneMessage, texts::appTitle(), MsgIcon::Information);
    return Outcome::done(copies);
}

void TavriEngine::tellWarnings(IPrinter* printer) {
    QMarginsF strips;
    const std::optional<PaperSize> paper = selectedPaper();
    if (printer && paper)
        strips = printer->unprintableMargins(*paper, m_settings.PrintDirectionYoko);
    m_warnings = m_musicPage ? findStaffWarnings(*m_musicPage, m_settings, strips)
                             : findStaffWarnings(m_lines, m_settings, strips);
    m_warnings.musicFontMissing = m_musicPage && m_musicInk->fontMissing;
    if (m_window)
        m_window->setNotice(staffWarningTexts(m_warnings).join(texts::warningSeparator()));
}

bool TavriEngine::layOutMusic() {
    if (!m_music.isActive())
        return true;
    QString problem = checkMusicSettings(m_music);
    if (problem.isEmpty()) {
        auto page = std::make_shared<MusicPage>(layoutMusicPage(m_settings, m_music));
        if (m_music.measures > page->measureRoom) {
            problem = tooManyMeasuresMessage(page->measureRoom);
        } else {
            m_musicInk = std::make_shared<MusicInk>(resolveMusicGlyphs(*page, m_musicFont));
            m_musicPage = std::move(page);
        }
    }
    if (!problem.isEmpty())
        m_messages.showMessage(problem, texts::appTitle(), MsgIcon::Warning);
    return problem.isEmpty();
}

// ---------------------------------------------------------------------------
// Commands

Outcome TavriEngine::cmdPreviewClick() {
    if (m_window)
        m_window->showWindow();
    return DrawTavriSheet(0);
}

Outcome TavriEngine::cmdPrintClick(const PrintJobOptions& job) {
    const QString text = m_form.text(ctl::txtPrintCount);
    if (!CheckPositiveNumber(text, texts::tableText(texts::kPrintCount)))
        return Outcome::refused();
    std::int32_t copies = 0;
    try {
        copies = num::textToInt32(text);
    } catch (const RuntimeError&) {
        // Beyond 32 bits: not a copy count this program can hold.
        m_messages.showMessage(texts::printCountNotInteger(), texts::appTitle(), MsgIcon::Warning);
        return Outcome::refused();
    }
    return DrawTavriSheet(copies, job);
}

Outcome TavriEngine::txtPrintCountChanged() {
    const QString text = m_form.text(ctl::txtPrintCount);
    bool ok = num::isNumeric(text);
    if (ok) {
        try {
            ok = num::textToInt32(text) >= 0;
        } catch (const RuntimeError&) {
            ok = false; // out of the 32-bit range: refused like a non-integer
        }
    }
    if (ok)
        return Outcome::done();
    m_messages.showMessage(texts::printCountNotInteger(), texts::appTitle(), MsgIcon::Warning);
    m_form.setText(ctl::txtPrintCount, QStringLiteral("1"));
    return Outcome::refused();
}

QString TavriEngine::printShadeLabel(int value) {
    const double p = (255.0 - value) / 255.0 * 100.0;
    return texts::shadePercent(num::toText(num::roundHalfEven(p)));
}

void TavriEngine::sbrPrintShadeChanged() {
    m_form.setText(ctl::lblPrintShade, printShadeLabel(m_form.value(ctl::sbrPrintShade)));
}

} // namespace pernoa
