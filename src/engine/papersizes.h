#pragma once

#include <QPageSize>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <span>
#include <vector>

namespace pernoa {

// The papers of the program, as SheetSettings keeps them. Custom is a paper
// of the size the user gives.
enum class PaperKind : std::int32_t {
    A4 = 1,
    B5 = 2,
    A3 = 3,
    B4 = 4,
    A5 = 5,
    Letter = 6,
    Legal = 7,
    Tabloid = 8,
    Custom = 9,
};

// How the paper lies; the numbers are the printer's orientation codes.
enum class Orientation : std::int32_t { Portrait = 1, Landscape = 2 };

// One paper of the program: everything every part of it knows about that
// paper. Sizes are portrait; landscape swaps height and width.
struct PaperSize {
    PaperKind kind;
    // The word the settings file and the command line use ("A4", "letter").
    const char* name;
    // True for the papers the parameter line's paper field names. A paper
    // added later is written there as its stand-in (standInPaper()), so that
    // earlier versions read a page they know, and named in full in the paper
    // section.
    bool inParameterLine;
    // The main window's option button, its caption, and its cell in the
    // paper frame (row, column).
    const char* option;
    const char* caption;
    int row;
    int column;
    // The printer's paper: the Windows paper-size number the page set-up
    // speaks of, and Qt's page size. A paper of a size the user gives is a
    // row with QPageSize::Custom whose millimetres and twips the caller fills
    // in from the user's fields; the printer then takes the millimetres.
    int printerCode;
    QPageSize::PageSizeId pageSizeId;
    // The paper as it is, for what is measured on it (the calibration sheet).
    double heightMm;
    double widthMm;
    // The program's own page size for the layout and the preview. The first
    // five papers' are used as they stand: B4's long side is 20439 (about
    // 360.5 mm), A5's short side 8420 (148.5 mm). Every later paper's are its
    // millimetres times 56.7, not rounded.
    double heightTwip;
    double widthTwip;

    // The page as printed in this orientation.
    QSizeF sizeMm(Orientation orientation) const;
    QSizeF sizeTwips(Orientation orientation) const;
};

// The paper the main window and the command line start with.
inline constexpr PaperKind kDefaultPaper = PaperKind::A4;

// The sides a paper of the user's size may have, in mm.
inline constexpr double kCustomPaperMinMm = 50;
inline constexpr double kCustomPaperMaxMm = 1000;

// Every paper, in the order the paper options are tested (the first selected
// one wins): A4, B5, A3, B4, A5, then letter, legal, tabloid and the paper of
// the user's size.
std::span<const PaperSize> paperTable();
// The same papers in the order the window shows them: row by row.
std::vector<const PaperSize*> papersInWindowOrder();

// The row for a kind, or nullptr.
const PaperSize* paperByKind(PaperKind kind);
// The row for a name such as "A4" (exact comparison), or nullptr.
const PaperSize* paperByName(const QString& name);
const PaperSize& defaultPaper();
// The names in window order ("A3", "A4", ...), for the command line; the
// paper of the user's size is not among them.
QStringList paperNames();

// The paper of the user's size: the Custom row with these sides (portrait,
// as given) in mm and their twips (mm x 56.7, not rounded).
PaperSize customPaper(double widthMm, double heightMm);
// Whether a side in mm is one a paper of the user's size may have.
bool isCustomPaperSide(double mm);

// The paper the parameter line names for a paper: itself for the first five,
// otherwise the one of them nearest in size (the least sum of the
// differences of the short and of the long sides).
const PaperSize& standInPaper(const PaperSize& paper);

} // namespace pernoa
