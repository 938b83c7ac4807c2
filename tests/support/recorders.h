#pragma once

// Test doubles for the engine's outer interfaces: a message recorder that can
// be pre-answered, recording preview and printer surfaces, a fixed printer
// list.

#include "engine/messages.h"
#include "engine/progress.h"
#include "engine/surfaces.h"

#include <QColor>
#include <QGlyphRun>
#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

namespace pernoa::test {

struct ShownMessage {
    QString text;
    QString title;
    MsgIcon icon;
    MsgButtons buttons;
};

class RecordingMessages : public IMessages {
public:
    MsgAnswer showMessage(const QString& text, const QString& title, MsgIcon icon,
                          MsgButtons buttons = MsgButtons::Ok) override;
    void setBusyPointer(bool busy) override;
    void explainError(const QString& cause) override { causes << cause; }

    // Answers given to the next questions, in order; OK once they run out.
    QList<MsgAnswer> answers;
    QList<ShownMessage> shown;
    // The causes handed on after the catch-all message.
    QStringList causes;
    // "on"/"off" for every change of the busy pointer.
    QStringList busyLog;
    bool busy = false;

    QStringList texts() const;
    void clear() {
        shown.clear();
        causes.clear();
        busyLog.clear();
    }
};

struct RecordedLine {
    float x1, y1, x2, y2;
    QColor colour;
    friend bool operator==(const RecordedLine&, const RecordedLine&) = default;
};

struct RecordedFill {
    QRectF rect;
    QColor colour;
};

class RecordingSurface : public IPreviewSurface, public IPreviewWindow {
public:
    // IPreviewSurface
    void setSurfaceHeight(int twips) override {
        height = twips;
        log << QStringLiteral("height %1").arg(twips);
    }
    void setSurfaceWidth(int twips) override {
        width = twips;
        log << QStringLiteral("width %1").arg(twips);
    }
    void clear() override {
        lines.clear();
        ++clears;
        log << QStringLiteral("clear");
    }
    void setUnitTwips() override { log << QStringLiteral("unit"); }
    void drawLine(float x1, float y1, float x2, float y2, const QColor& colour) override;
    void fillRect(float x, float y, float w, float h, const QColor& colour) override {
        fills.append({QRectF(x, y, w, h), colour});
    }
    void drawGlyphs(const QGlyphRun& run, const QColor&) override { glyphs.append(run); }

    // IPreviewWindow
    void setWindowHeight(int twips) override { windowHeight = twips; }
    void setWindowWidth(int twips) override { windowWidth = twips; }
    void setDescriptionTop(int twips) override { descriptionTop = twips; }
    int titleWidth() const override { return titleW; }
    void setTitleLeft(float twips) override { titleLeft = twips; }
    void showWindow() override { ++shows; }
    void setNotice(const QString& text) override { notice = text; }

    QList<RecordedLine> lines;
    QList<RecordedFill> fills;
    QList<QGlyphRun> glyphs;
    QStringList log;
    int clears = 0;
    int height = 0, width = 0, windowHeight = 0, windowWidth = 0, descriptionTop = 0;
    int titleW = 0;
    float titleLeft = 0;
    int shows = 0;
    QString notice = QStringLiteral("(never set)");
};

// Records every printer call as a line of text, the lines per page, and can be
// told to fail at a given call.
class RecordingPrinter : public IPrinter {
public:
    void setPaperSize(const PaperSize& paper) override;
    void setOrientation(Orientation orientation) override;
    void setUnitTwips() override;
    void setLineWidth(int devicePixels) override;
    // Kept, not recorded as a call.
    void setScaleCorrection(double x, double y) override {
        scaleX = x;
        scaleY = y;
    }
    void beginDoc() override;
    void drawLine(float x1, float y1, float x2, float y2, const QColor& colour) override;
    void drawWideLine(float x1, float y1, float x2, float y2, double widthRatio,
                      const QColor& colour) override;
    void fillRect(float x, float y, float w, float h, const QColor& colour) override;
    void drawGlyphs(const QGlyphRun& run, const QColor& colour) override;
    void setCurrentX(float twips) override;
    void setCurrentY(float twips) override;
    float currentX() const override { return curX; }
    float currentY() const override { return curY; }
    void setFontName(const QString& face) override;
    void setFontSize(double points) override;
    void setFontBold(bool bold) override;
    void setFontItalic(bool italic) override;
    void setFontUnderline(bool underline) override;
    void setForeColor(const QColor& colour) override;
    void printLine(const QString& line) override;
    void paintPicture(const QImage& picture, float x, float y, float width, float height) override;
    void newPage() override;
    void endDoc() override;
    void abortDoc() override;
    QString failure() const override { return failed; }
    QMarginsF unprintableMargins(const PaperSize& paper, Orientation orientation) const override {
        stripsAsked = QStringLiteral("%1 %2").arg(paper.printerCode).arg(int(orientation));
        return strips;
    }

    // The printer's unprintable strips, and the paper they were last asked for.
    QMarginsF strips;
    mutable QString stripsAsked;
    // Fails on the call whose 1-based number this is: "printer failure (test)"
    // becomes the failure, and later calls do nothing until abortDoc().
    int failAtCall = 0;
    QString failed;
    // One line of text per call, e.g. "paper 9", "line 850.5 1701 ...".
    QStringList calls;
    // Lines drawn on each page, one list per page (the open page last).
    QList<QList<RecordedLine>> pages{{}};
    // Wide lines, fills and glyph runs of every page together.
    QList<RecordedLine> wideLines;
    QList<RecordedFill> fills;
    QList<QGlyphRun> glyphs;
    // Pages finished with newPage(); every copy ends with one.
    int pageCount() const { return int(pages.size()) - 1; }
    bool ended = false;
    bool aborted = false;
    int lineHeight = 240;
    float curX = 0, curY = 0;
    double scaleX = 0, scaleY = 0; // 0: never set

private:
    // Records the call; false when it does nothing (the printer has failed).
    bool call(const QString& what);
};

// Records a job's progress, one line per call ("start 3", "step 1",
// "finish"), and stops the job after copy cancelAt (0: never).
class RecordingProgress : public IProgress {
public:
    void start(int total) override { log << QStringLiteral("start %1").arg(total); }
    bool step(int done) override {
        log << QStringLiteral("step %1").arg(done);
        return cancelAt == 0 || done < cancelAt;
    }
    void finish() override { log << QStringLiteral("finish"); }

    int cancelAt = 0;
    QStringList log;
};

} // namespace pernoa::test
