#pragma once

// The sheet settings file (extension kvs2): the main window's sheet
// parameters and the page's text and image items, in three sections.
//
//   [$TavriSettei$]
//   30,30,15,15,普通,10,2,A4,0,1,0,5,0
//   (empty)
//   [$YoushiSettei$]          only for a paper the earlier versions lack:
//   paper=letter              the parameter line then names the nearest
//   (empty)                   paper they know (formatwords.h)
//   [$GakufuSettei$]          only on a page with music (see below)
//   stack=treble:5,bass:5
//   grouping=brace
//   (empty)
//   [$TextSettei$]
//   練習曲\n第1番,3000,1200,ＭＳ Ｐゴシック,20,True,False,False,0
//   (empty)
//   [$ImageSettei$]
//   1500,9000,/home/me/楽譜/印.bmp,100
//
// Code page 932, CR LF after every line. Each reader opens the file, finds its
// own marker from the first line on and closes the file again, so a section
// is found wherever it stands. A load applies what it reads as it goes: a
// reader that fails leaves what the readers before it applied (the loading
// sequence stops at the first failure).
//
// The music of the staves (the third tab) goes into a section of its own,
// after the parameter section and before the text section, with a line for
// each setting that differs from its default: stack (the staff stack's text,
// musicsettings.h), grouping (brace or bracket), bars (bar lines per staff
// line), barsthrough (staff: bar lines over each staff alone). A page
// without music writes no such section, so it is saved byte for byte as
// before, and the earlier versions' readers, which look for their own
// markers, read a page with music as the plain page. A section with a line
// this program does not take is refused whole before anything changes.
//
// Texts, font names, colours and image paths are written bare when that reads
// back exactly, which is what every file of the earlier versions holds. A
// value with a comma, a lone CR or LF, a double quote at its start, or a
// space or tab at its start (which the value reader skips), and the empty
// text, are written in double quotes with every double quote inside doubled.
// What cannot be written so that it reads back as it is (a character code
// page 932 lacks, the two characters "\n" typed into a text, a text with a
// line that is a section marker) makes the save refuse with a message; the
// old file stays.

#include "engine/musicsettings.h"
#include "engine/papersizes.h"
#include "files/formatwords.h"
#include "overlay/overlayitems.h"

#include <QIODevice>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace pernoa {

class TavriEngine;
class IForm;
class IMessages;
class clsFileIO;

// How far a load got: nothing taken (the file could not be read, or its
// parameter section was missing or refused: only the items were removed), the
// parameters and part of the items (a later section was missing or refused,
// a picture could not be loaded), or the whole file.
enum class LoadReach { Nothing, Partly, Whole };

// Whether a path names a settings file (by its extension, "kvs2" in any
// letter case): a file dropped on a window is opened as one only then.
bool isSettingsFilePath(const QString& path);

// The settings file's readers and writer, working on the main window's
// controls (through the engine's form), the engine's page size and the item
// model. Messages go through the engine's IMessages.
class SettingsFile {
public:
    SettingsFile(TavriEngine& engine, overlay::OverlayItems& items);

    // --- writing ---
    // Checks the parameters, then writes the file through an atomic replace.
    // True when the file was written; otherwise the reason was shown and a
    // file already at path is unchanged.
    bool SaveSetteiFile(const QString& path);
    // The same onto a device (straight, without the replace).
    bool SaveSetteiFile(QIODevice& device);

    // --- reading, in this order ---
    bool boLoadTavriSettei(const QString& path);
    bool boLoadTextSettei(const QString& path);
    bool boLoadImageSettei(const QString& path);
    // Loads the picture of an image item read from the file (its ImagePath);
    // on failure (the file cannot be decoded, or the page's pictures would
    // pass their memory bound) the three-line message: the item then goes
    // into a free slot.
    bool LoadItemPicture(overlay::OverlayImage& item);

    // The loading sequence of the open command and the start-up file:
    // every item removed, the three readers while each succeeds, then the
    // redraw of the page. True when the whole file was loaded.
    bool boLoadSetteiFile(const QString& path);
    // The same without the final redraw (the command line applies its own
    // options after the file, then draws once).
    bool loadSections(const QString& path);
    // The same, telling how far it got.
    LoadReach readSections(const QString& path);

    // The file's bytes for the current page, or an empty list of lines and
    // the reason in *refusal when something cannot be written faithfully.
    QStringList composeLines(QString* refusal) const;

private:
    // The music section's settings, checked whole; nothing after the
    // message that refused it. A file without the section gives the plain
    // page's (a file that cannot be opened too: the first reader says so).
    std::optional<MusicSettings> readGakufuSettei(const QString& path);
    // What the paper section says: the paper, none when the file has no
    // section. Nothing when the section is refused (its message shown).
    struct PaperSection {
        std::optional<PaperSize> paper;
    };
    std::optional<PaperSection> readPaperSection(const QString& path);

    bool openAt(clsFileIO& io, const QString& path, const QString& marker,
                const QString& missingMessage);
    bool writeLines(clsFileIO& io, const QStringList& lines);
    bool prepareSave(QStringList& lines);

    TavriEngine& m_engine;
    IForm& m_form;
    IMessages& m_messages;
    overlay::OverlayItems& m_items;
    // The file's decoded text during one loading sequence: the three readers
    // search one reading of it (a file near the size limit is decoded once,
    // not three times).
    const QString* m_loadingText = nullptr;
};

// The settings file named on the command line: the whole first argument after
// the program's name (a path with spaces stays whole), or the empty string.
QString stGetCommandLine(const QStringList& arguments);

} // namespace pernoa
