// Clefs, braces and brackets on the preview's page surface at both display
// sizes: painted where the layout puts them, to the pixel.

#include "engine/controls.h"
#include "engine/headlessform.h"
#include "engine/musiclayout.h"
#include "engine/tavriengine.h"
#include "output/musicfont.h"
#include "preview/fontchooser.h"
#include "preview/pagesurface.h"
#include "previewrig.h"
#include "recorders.h"

#include <QFontDatabase>
#include <QListWidget>
#include <QTest>

using namespace pernoa;
using namespace pernoa::test;

namespace {

// Whether any pixel of the image within the rectangle is not white.
bool inked(const QImage& image, const QRect& rect) {
    const QRect r = rect.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                return true;
    return false;
}

} // namespace

class MusicPreviewTest : public QObject {
    Q_OBJECT

private slots:
    void signsAtBothDisplaySizes_data() {
        QTest::addColumn<bool>("large");
        QTest::newRow("small") << false;
        QTest::newRow("large") << true;
    }
    void signsAtBothDisplaySizes() {
        QFETCH(bool, large);
        HeadlessForm form;
        RecordingMessages messages;
        TavriEngine engine(form, messages);
        output::MusicFont font;
        PreviewRig rig;
        preview::PreviewWindow& window = rig.window;
        engine.initStartValues();
        engine.setPreviewSurface(&window);
        engine.setPreviewWindow(&window);
        engine.setMusicFont(&font);
        form.setChecked(ctl::optHyojiLarge, large);
        form.setChecked(ctl::opbHyojiSmall, !large);
        form.setText(ctl::txtDaifuhyoCnt, QStringLiteral("3"));
        form.setText(ctl::txtTavriDansu, QStringLiteral("2"));
        MusicSettings music = applyMusicPreset(MusicPreset::Piano, {}, 2);
        music.measures = 2;
        engine.putMusicSettings(music);
        engine.settings().HyojiSize = large ? kHyojiLarge : kHyojiSmall;
        engine.ApplyPaperSize();
        engine.DrawTavriSheet(0);
        window.show();
        QVERIFY(messages.shown.isEmpty());
        QCOMPARE(window.page()->signCount(), 2); // clefs and braces, one run each

        const QImage image = window.page()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const double toPixels = 1.0 / ((large ? 2 : 3) * preview::kTwipsPerPixel);
        const MusicPage& page = *engine.lastMusicPage();
        // The G clef's box: ink inside, none in a strip around it.
        const ClefPlace& clef = page.clefs[0];
        const QRectF ems = font.glyphBox(font.designSizeFor(clef.em), QStringLiteral("clefs.G"));
        const QRect box =
            QRectF(QPointF(clef.x + ems.left() * clef.em, clef.y - ems.bottom() * clef.em) *
                       toPixels,
                   QPointF(clef.x + ems.right() * clef.em, clef.y - ems.top() * clef.em) * toPixels)
                .toAlignedRect();
        QVERIFY(inked(image, box.adjusted(0, 0, 0, -box.height() * 3 / 4))); // above the staff
        QVERIFY(inked(image, box.adjusted(0, box.height() * 3 / 4, 0, 0)));  // below it
        QVERIFY(!inked(image, QRect(box.left(), box.top() - 3, box.width(), 2)));
        QVERIFY(!inked(image, QRect(box.left(), box.bottom() + 2, box.width(), 2)));
        // The brace left of the system line, over the white space of the system.
        const BracePlace& brace = page.braces[0];
        const double middle = (brace.top + brace.bottom) / 2;
        QVERIFY(inked(image,
                      QRectF(QPointF(brace.right - brace.em / 4, middle - brace.em / 2) * toPixels,
                             QPointF(brace.right, middle + brace.em / 2) * toPixels)
                          .toAlignedRect()));
        QVERIFY(!inked(image, QRectF(QPointF(brace.right - 2 * brace.em, middle) * toPixels,
                                     QSizeF(brace.em, brace.em / 4) * toPixels)
                                  .toAlignedRect()));
    }

    // The music faces a page registers are no faces for text items.
    void musicFacesAreNoTextFaces() {
        output::MusicFont font;
        QVERIFY(!font.clefGlyphs(Clef::Treble, 140).empty());
        QVERIFY(!font.braceGlyphs(1400, 140).empty());
        QVERIFY(QFontDatabase::families().filter(QStringLiteral("Emmentaler")).size() >= 2);
        preview::FontChooserDialog chooser(preview::FontChoice{QStringLiteral("IPAPGothic"), 12});
        QVERIFY(chooser.faceList()->count() > 0);
        for (int i = 0; i < chooser.faceList()->count(); ++i)
            QVERIFY(!chooser.faceList()->item(i)->text().contains(u"Emmentaler"));
    }
};

QTEST_MAIN(MusicPreviewTest)
#include "tst_musicpreview.moc"
