#pragma once

#include "engine/form.h"
#include "engine/messages.h"
#include "engine/musicsettings.h"
#include "engine/outcome.h"
#include "engine/papersizes.h"
#include "engine/progress.h"
#include "engine/sheetsettings.h"
#include "engine/staffwarnings.h"
#include "engine/surfaces.h"
#include "engine/texts.h"

#include <QMarginsF>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace pernoa {

class IMusicFont;
struct MusicInk;
struct MusicPage;

// One ruled line in page twips (origin at the page's top left, y downwards).
struct TavriLine {
    double StartY = 0;
    double StartX = 0;
    double EndY = 0;
    double EndX = 0;
};

// A page whose line count, or whose block count, would pass this is refused
// as a run-time error before any memory is reserved for it. Blocks count on
// their own because every block is visited even when it holds no line (a
// staff count that rounds to 0).
inline constexpr double kMaxTavriLines = 1000000;

// Lays out the staff lines of a page: block by block, staff by staff, line by
// line, from the top. Throws RuntimeError for a zero block count and for any
// value that stops being finite.
std::vector<TavriLine> layoutTavriLines(const SheetSettings& s);

// Where a print job goes and how it ends, for a job other than a plain print
// on the current printer (the windows' PDF export).
struct PrintJobOptions {
    // Takes the place of the current printer for this one job (null: the
    // current printer).
    IPrinter* printer = nullptr;
    // Shown with the information icon once the job is handed on; nothing is
    // shown when it is empty.
    QString doneMessage = texts::printRequested();
    // Shown likewise when the user stopped the job.
    QString cancelledMessage = texts::printCancelled();
};

// The staff engine: the sheet settings record, the parameter checks, the page
// sizes, the one drawing routine and the print and preview commands. It reads
// the main window through IForm, speaks through IMessages and draws through
// the preview and printer interfaces, so the windows, the command line and the
// tests drive the very same code.
class TavriEngine {
public:
    TavriEngine(IForm& form, IMessages& messages);

    IForm& form() { return m_form; }
    IMessages& messages() { return m_messages; }
    SheetSettings& settings() { return m_settings; }
    const SheetSettings& settings() const { return m_settings; }

    // Surfaces: any may be absent (the command line has no preview window).
    void setPreviewSurface(IPreviewSurface* surface) { m_surface = surface; }
    void setPreviewWindow(IPreviewWindow* window) { m_window = window; }
    void setPrinter(IPrinter* printer) { m_printer = printer; }
    IPrinter* printer() const { return m_printer; }
    void setOverlayOutput(IOverlayOutput* overlay) { m_overlay = overlay; }
    // Shows how far a print job got and lets the user stop it (absent: the
    // job runs to its end unseen).
    void setProgress(IProgress* progress) { m_progress = progress; }
    // The font of clefs and braces (absent: a page that needs it is drawn
    // without them, with a warning).
    void setMusicFont(IMusicFont* font) { m_musicFont = font; }

    // The music on the staves as the last drawing gathered it from the
    // controls; a default record draws the plain page.
    const MusicSettings& music() const { return m_music; }

    // The values the main window's load sets before anything is drawn:
    // small display, A4 portrait.
    void initStartValues();

    // --- sheet settings record ---
    // Copies the controls into the record. Throws RuntimeError when a checked
    // text still cannot be held (a count beyond 32 bits, a margin so large that
    // its twips are not finite).
    void GatherSheetSettings();

    // --- parameter checks ---
    bool CheckPositiveNumber(const QString& text, const QString& label);
    bool CheckNumber(const QString& text, const QString& label);
    bool CheckSheetParams();
    // The scale correction fields alone: numbers from kScaleCorrectionMin to
    // kScaleCorrectionMax, or the check's message.
    bool checkScaleCorrection();

    // --- the music controls (musiccontrols.cpp) ---
    // Checks the staff stack and the bar count as the window's fields are
    // checked: false after the message for the first value refused.
    bool checkMusicParams();
    // The record the music controls hold; they have passed the check.
    MusicSettings musicFromControls() const;
    // Writes a record into the music controls, as a user's entries would.
    void putMusicSettings(const MusicSettings& music);
    // A preset's choice: the stack, the grouping and the bar lines, and the
    // staves, blocks and block gap that fill the page with its systems (see
    // presetPage). The bar count stays, except that the plain preset is
    // today's page of five-line staves without bars. Refused, with the
    // field's message, when the line spacing or a margin the page needs is
    // not a number greater than 0.
    Outcome applyPreset(MusicPreset preset);
    // A rastral's choice: the window's line spacing that gives its staff
    // height to the staves that follow it (see staffSizeLines). The rows
    // of the stack with a spacing of their own keep their proportion to it.
    Outcome applyRastral(std::int32_t rastral);
    // The line count whose staff height the rastral and the height label
    // speak of: the first row of the stack that follows the window's
    // spacing, else the line-count option; five for a staff of one line.
    std::int32_t staffSizeLines() const;
    // The rastral whose spacing the window's line spacing is (-1: none).
    std::int32_t currentRastral() const;
    // Writes the staff height label for the line spacing as typed (empty
    // when it is not a number greater than 0).
    void showStaffHeight();

    // --- page sizes and display size ---
    // Puts a paper into effect: the page size in the record, the preview
    // surface and window at the current display size. Nothing is drawn.
    void setPaper(const PaperSize& paper, Orientation orientation);
    // setPaper for the selected paper option and the landscape box; nothing
    // when no paper option is selected, or when the paper of the user's size
    // is and its fields hold no size it may have.
    void ApplyPaperSize();
    // The paper of the selected option, the paper of the user's size with
    // the sides of its fields; none when no option is selected or those
    // sides are not numbers from kCustomPaperMinMm to kCustomPaperMaxMm.
    std::optional<PaperSize> selectedPaper() const;
    // The orientation the landscape box chooses.
    Orientation checkedOrientation() const;
    bool GF_boChangeHyojiSizeSmall();
    bool GF_boChangeHyojiSizeLarge();
    bool GF_boChangeHyoujiSize();

    // Main window handlers of the paper options, the landscape box and the
    // display-size options.
    void onPaperOptionSelected(PaperKind paperKind);
    void onLandscapeClicked();
    // A field of the paper of the user's size was edited: while that paper is
    // selected, its new size is put into effect and the page redrawn.
    void onCustomSizeEdited();
    void onDisplaySmallSelected() { GF_boChangeHyojiSizeSmall(); }
    void onDisplayLargeSelected() { GF_boChangeHyojiSizeLarge(); }

    // --- drawing and printing ---
    // Refused when the parameter check refused a field; failed after the
    // catch-all message. A job the progress stops is dropped (nothing sent,
    // no file written), the preview is left complete and
    // job.cancelledMessage is shown. Done with the copies handed on (0 for
    // copies 0, the preview alone).
    Outcome DrawTavriSheet(std::int32_t copies, const PrintJobOptions& job = {});
    // The lines of the last drawing (empty before the first).
    const std::vector<TavriLine>& lastLines() const { return m_lines; }
    // The warnings for the page of the last drawing (none when it failed
    // before the lines were laid out).
    const StaffWarnings& lastWarnings() const { return m_warnings; }
    // The page with music of the last drawing (null for a plain page).
    const MusicPage* lastMusicPage() const { return m_musicPage.get(); }

    // Commands and change handlers of the main window.
    Outcome cmdPreviewClick();
    // The print command; with options, the same command onto another printer
    // or with other closing messages (the copy count is checked alike).
    // Refused when the copy count is.
    Outcome cmdPrintClick(const PrintJobOptions& job = {});
    // Refused when the copy count was not taken (and put back to 1).
    Outcome txtPrintCountChanged();
    void sbrPrintShadeChanged();

    // The darkness label for a scroll-bar value: 0 -> "100%", 255 -> "0%".
    static QString printShadeLabel(int value);

private:
    // The row of a paper option, the paper of the user's size with the sides
    // of its fields (none when they are not sides it may have).
    std::optional<PaperSize> paperOf(const PaperSize& row) const;
    // A number field that must lie in a range: the number check, then the
    // range, with its message (the bounds with one decimal for tenths).
    bool checkNumberInRange(const QString& text, const QString& label, double low, double high,
                            bool tenths);
    // Sets the printer up for the job and opens it; the printer's failure
    // ("" when it is ready).
    QString preparePrinter(IPrinter* printer);
    // Draws the laid-out lines and the items, once on the preview and once
    // per copy on the printer (none: the preview alone). What went wrong, or
    // "" (also when the progress stopped the job, which sets cancelled).
    QString drawCopies(std::int32_t passes, IPrinter* printer, bool& cancelled);
    // Finds the warnings for the lines just laid out, on the printer the job
    // goes to, and shows them on the preview window.
    void tellWarnings(IPrinter* printer);
    // Checks the music record and lays out its page; false after the
    // message that refused it.
    bool layOutMusic();
    // The end of a drawing that failed: drops a started print job, then shows
    // the one catch-all message and hands on what went wrong.
    Outcome abandonJob(IPrinter* printer, bool jobStarted, const QString& cause);

    IForm& m_form;
    IMessages& m_messages;
    SheetSettings m_settings;
    IPreviewSurface* m_surface = nullptr;
    IPreviewWindow* m_window = nullptr;
    IPrinter* m_printer = nullptr;
    IOverlayOutput* m_overlay = nullptr;
    IProgress* m_progress = nullptr;
    std::vector<TavriLine> m_lines;
    StaffWarnings m_warnings;
    MusicSettings m_music;
    IMusicFont* m_musicFont = nullptr;
    std::shared_ptr<const MusicPage> m_musicPage;
    std::shared_ptr<const MusicInk> m_musicInk;
};

} // namespace pernoa
