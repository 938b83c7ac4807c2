// The program in English and in Japanese: which language a run speaks, the
// windows with no Japanese left in English, no text clipped in either
// language, the language menu, and files that stay the same whatever the
// language.

#include "engine/language.h"
#include "engine/texts.h"
#include "files/defaultsettings.h"
#include "output/qtprinter.h"
#include "overlay/overlayitems.h"
#include "presetanswers.h"
#include "preview/filechooser.h"
#include "preview/fontchooser.h"
#include "preview/imageitemdialog.h"
#include "preview/itemdialogs.h"
#include "preview/previewwindow.h"
#include "preview/textitemdialog.h"
#include "recorders.h"
#include "ui/aboutbox.h"
#include "ui/filecommands.h"
#include "ui/helpwindow.h"
#include "ui/mainwindow.h"
#include "ui/messagebox.h"
#include "ui/printerdialog.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QScopeGuard>
#include <QSettings>
#include <QSvgRenderer>
#include <QSvgWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace pernoa;

namespace {

bool isJapanese(QChar c) {
    const char16_t u = c.unicode();
    return (u >= 0x3000 && u <= 0x30ff) || (u >= 0x4e00 && u <= 0x9fff) ||
           (u >= 0xff00 && u <= 0xffef);
}

bool hasJapanese(const QString& text) {
    return std::any_of(text.begin(), text.end(), isJapanese);
}

// The menu entries that name the languages in their own words.
bool namesLanguage(const QString& text) {
    return text == u"Language / 言語" || text == u"日本語";
}

// Every text the window shows (captions, titles, tabs, list entries, menus,
// tool tips), each with the widget it stands on.
QList<std::pair<QString, QString>> shownTexts(QWidget* window) {
    QList<std::pair<QString, QString>> texts;
    auto add = [&texts](const QObject* o, const QString& text) {
        if (!text.isEmpty())
            texts.append(
                {o->objectName() + QLatin1Char('/') + QLatin1String(o->metaObject()->className()),
                 text});
    };
    add(window, window->windowTitle());
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* w : widgets) {
        add(w, w->toolTip());
        if (auto* l = qobject_cast<QLabel*>(w))
            add(w, l->text());
        else if (auto* b = qobject_cast<QAbstractButton*>(w))
            add(w, b->text());
        else if (auto* g = qobject_cast<QGroupBox*>(w))
            add(w, g->title());
        else if (auto* t = qobject_cast<QTabBar*>(w))
            for (int i = 0; i < t->count(); ++i)
                add(w, t->tabText(i));
        else if (auto* c = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < c->count(); ++i)
                add(w, c->itemText(i));
        else if (auto* list = qobject_cast<QListWidget*>(w);
                 list && list->objectName() != u"faceList") // the system's faces
            for (int i = 0; i < list->count(); ++i)
                add(w, list->item(i)->text());
        else if (auto* m = qobject_cast<QMenu*>(w))
            for (const QAction* a : m->actions())
                add(a, a->text());
        else if (auto* bar = qobject_cast<QMenuBar*>(w))
            for (const QAction* a : bar->actions())
                add(a, a->text());
    }
    return texts;
}

QStringList japaneseTexts(QWidget* window) {
    QStringList found;
    for (const auto& [where, text] : shownTexts(window))
        if (hasJapanese(text) && !namesLanguage(text))
            found << where + QStringLiteral(": ") + text;
    return found;
}

// The labels, buttons and group titles whose text does not fit the space the
// window gives them, on every page of its tabs.
QStringList clippedTexts(QWidget* window) {
    QStringList clipped;
    auto check = [&clipped, window] {
        window->layout() ? window->layout()->activate() : false;
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (!w->isVisibleTo(window))
                continue;
            bool fits = true;
            QString text;
            if (auto* l = qobject_cast<QLabel*>(w)) {
                text = l->text();
                if (text.isEmpty() || !l->pixmap().isNull())
                    continue;
                fits = l->wordWrap() ? l->heightForWidth(l->width()) <= l->height()
                                     : l->sizeHint().width() <= l->width() &&
                                           l->sizeHint().height() <= l->height();
            } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
                text = b->text();
                fits = text.isEmpty() || (b->sizeHint().width() <= b->width() &&
                                          b->sizeHint().height() <= b->height());
            } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
                text = g->title();
                fits = g->minimumSizeHint().width() <= g->width();
            } else if (auto* svg = qobject_cast<QSvgWidget*>(w)) {
                // The labels of a drawing stay inside it.
                const QSvgRenderer& drawing = *svg->renderer();
                for (const char* id :
                     {"topMargin", "bottomMargin", "leftMargin", "rightMargin", "staffDistance",
                      "blockGap", "lineSpacing", "lineSpacing-2", "lineWidth", "lineWidth-2"}) {
                    const QString name = QLatin1String(id);
                    if (drawing.elementExists(name) &&
                        !drawing.viewBoxF().contains(drawing.boundsOnElement(name)))
                        clipped << QStringLiteral("diagram label ") + name;
                }
                continue;
            } else if (auto* t = qobject_cast<QTabBar*>(w)) {
                // A bar too narrow for its tabs elides their texts.
                if (t->sizeHint().width() > t->width())
                    clipped << QStringLiteral("tabs need ") +
                                   QString::number(t->sizeHint().width());
                continue;
            }
            if (!fits)
                clipped << w->objectName() + QStringLiteral(" \"") + text +
                               QStringLiteral("\" needs ") +
                               QString::number(w->sizeHint().width()) + QLatin1Char('x') +
                               QString::number(w->sizeHint().height()) + QStringLiteral(", has ") +
                               QString::number(w->width()) + QLatin1Char('x') +
                               QString::number(w->height());
        }
    };
    const QList<QTabWidget*> tabs = window->findChildren<QTabWidget*>();
    if (tabs.isEmpty())
        check();
    for (QTabWidget* t : tabs) {
        for (int i = 0; i < t->count(); ++i) {
            t->setCurrentIndex(i);
            QCoreApplication::processEvents();
            check();
        }
        t->setCurrentIndex(0);
    }
    clipped.removeDuplicates();
    return clipped;
}

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class NoPicture : public preview::IFileChooser {
public:
    QString choosePictureFile(QWidget*) override { return {}; }
};

} // namespace

class TestLanguage : public QObject {
    Q_OBJECT

    test::GuiRig rig;
    QTemporaryDir folder;

    QAction* action(const char* name) {
        auto* a = rig.program->mainWindow().findChild<QAction*>(QLatin1String(name));
        if (!a)
            qFatal("no action %s", name);
        return a;
    }

    // Each window of the program, shown, in turn.
    void forEachWindow(const std::function<void(const QString&, QWidget*)>& visit) {
        rig.start(folder.path());
        ui::MainWindow& main = rig.program->mainWindow();
        visit(QStringLiteral("main window"), &main);
        visit(QStringLiteral("preview"), &rig.program->previewWindow());
        action("mnuHelp_View")->trigger();
        visit(QStringLiteral("help"), main.helpWindow());
        action("mnuHelp_Ver")->trigger();
        visit(QStringLiteral("about"), main.aboutBox());
        ui::PrinterDialog printers(rig.program->printers());
        printers.show();
        visit(QStringLiteral("printer dialog"), &printers);
        test::RecordingMessages messages;
        preview::QtFontChooser fonts;
        preview::TextItemDialog text(rig.program->items(), messages, fonts,
                                     {overlay::ItemKind::Text, true, 0, 100, 100, {}});
        text.show();
        visit(QStringLiteral("text dialog"), &text);
        NoPicture pictures;
        preview::ImageItemDialog image(rig.program->items(), messages, pictures,
                                       {overlay::ItemKind::Image, true, 0, 100, 100, {}});
        image.show();
        visit(QStringLiteral("image dialog"), &image);
        preview::FontChooserDialog font({QStringLiteral("MS Gothic"), 12});
        font.show();
        visit(QStringLiteral("font chooser"), &font);
        rig.reset();
    }

private slots:
    void cleanup() {
        rig.reset();
        useLanguage(Language::Japanese);
        QFile::remove(languageStore());
    }

    // The desktop decides, the stored choice before it, --lang before both.
    void languageOfARun() {
        const QStringList ja{QStringLiteral("ja-JP"), QStringLiteral("en-US")};
        const QStringList en{QStringLiteral("en-GB"), QStringLiteral("ja-JP")};
        QCOMPARE(desktopLanguage(ja, QStringLiteral("ja_JP")), Language::Japanese);
        QCOMPARE(desktopLanguage({QStringLiteral("ja")}, QStringLiteral("en_US")),
                 Language::Japanese);
        QCOMPARE(desktopLanguage(en, QStringLiteral("en_GB")), Language::English);
        QCOMPARE(desktopLanguage({QStringLiteral("de-DE")}, QStringLiteral("de_DE")),
                 Language::English);
        // Scripts and bare sessions keep the texts they have always seen.
        QCOMPARE(desktopLanguage(en, QStringLiteral("C")), Language::Japanese);
        QCOMPARE(desktopLanguage({}, QStringLiteral("fr_FR")), Language::Japanese);
        // The tests run under C.UTF-8.
        QCOMPARE(desktopLanguage(), Language::Japanese);

        QCOMPARE(languageNamed(u"en"), Language::English);
        QCOMPARE(languageNamed(u"ja"), Language::Japanese);
        QVERIFY(!languageNamed(u"EN"));
        QVERIFY(!languageNamed(u""));

        const QString store = folder.filePath(QStringLiteral("config/pernoa.ini"));
        QCOMPARE(storedLanguage(store), std::nullopt);
        QVERIFY(storeLanguage(store, Language::English));
        QCOMPARE(storedLanguage(store), Language::English);
        QCOMPARE(runLanguage(std::nullopt, store), Language::English);
        QCOMPARE(runLanguage(Language::Japanese, store), Language::Japanese);
        QVERIFY(storeLanguage(store, std::nullopt));
        QCOMPARE(runLanguage(std::nullopt, store), Language::Japanese);
        QSettings(store, QSettings::IniFormat).setValue(QStringLiteral("language"), "fr");
        QCOMPARE(storedLanguage(store), std::nullopt);
        // A store that cannot be written says so.
        QVERIFY(!storeLanguage(folder.filePath(QStringLiteral("config/pernoa.ini/x.ini")),
                               Language::English));
    }

    // In English no window shows a Japanese word (the language menu names
    // Japanese in its own words); in Japanese they do, as always.
    void windowsInEnglish() {
        useLanguage(Language::English);
        QCOMPARE(pernoa::texts::catchAllError(), QStringLiteral("An error occurred"));
        forEachWindow([](const QString& name, QWidget* window) {
            QVERIFY2(window, qPrintable(name));
            const QStringList found = japaneseTexts(window);
            QVERIFY2(found.isEmpty(),
                     qPrintable(name + QStringLiteral(": ") + found.join(QStringLiteral("; "))));
        });
        useLanguage(Language::Japanese);
        forEachWindow([](const QString& name, QWidget* window) {
            QVERIFY2(!japaneseTexts(window).isEmpty(), qPrintable(name));
        });
    }

    // Every label, button and frame title shows its whole text at the
    // desktop's font, in both languages.
    void nothingClipped_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<qreal>("fontScale");
        QTest::newRow("ja") << Language::Japanese << 1.0;
        QTest::newRow("en") << Language::English << 1.0;
        // A desktop with a larger font: the windows grow with their texts.
        QTest::newRow("ja, larger font") << Language::Japanese << 1.5;
        QTest::newRow("en, larger font") << Language::English << 1.5;
    }
    void nothingClipped() {
        QFETCH(Language, language);
        QFETCH(qreal, fontScale);
        useLanguage(language);
        const QFont desktop = QApplication::font();
        QFont font = desktop;
        font.setPointSizeF(desktop.pointSizeF() * fontScale);
        QApplication::setFont(font);
        const auto restore = qScopeGuard([&desktop] { QApplication::setFont(desktop); });
        forEachWindow([](const QString& name, QWidget* window) {
            const QStringList clipped = clippedTexts(window);
            QVERIFY2(clipped.isEmpty(),
                     qPrintable(name + QStringLiteral(": ") + clipped.join(QStringLiteral("; "))));
        });
    }

    // The menu keeps the choice for the next start and says so; Qt's own
    // buttons follow the language.
    void languageMenu() {
        useLanguage(Language::English);
        rig.start(folder.path());
        QVERIFY(action("mnuHelp_Lang_Desktop")->isChecked());
        action("mnuHelp_Lang_ja")->trigger();
        const QList<test::BoxRecord> boxes = rig.answers.takeBoxes();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, QStringLiteral("Pernoa speaks the chosen language from its "
                                               "next start on."));
        QCOMPARE(boxes[0].buttonTexts, QStringList{QStringLiteral("OK")});
        QCOMPARE(storedLanguage(languageStore()), Language::Japanese);
        // The windows keep their language until then.
        QCOMPARE(action("mnuHelp_Ver")->text(), QStringLiteral("About Pernoa"));
        action("mnuHelp_Lang_Desktop")->trigger();
        QCOMPARE(storedLanguage(languageStore()), std::nullopt);
        rig.reset();

        useLanguage(Language::Japanese);
        QVERIFY(storeLanguage(languageStore(), Language::English));
        rig.start(folder.path());
        QVERIFY(action("mnuHelp_Lang_en")->isChecked());
        action("mnuHelp_Lang_en")->trigger();
        QCOMPARE(rig.answers.takeBoxTexts(),
                 QStringList{QStringLiteral("次回の起動から、選んだ言語で表示します。")});
    }

    // A page saved in English is the page saved in Japanese, byte for byte,
    // its paper and music sections too; so is the default settings file.
    void filesWhateverTheLanguage() {
        // The page's picture paths are relative to the working folder.
        for (const char* name : {"full.kvs2", "pic.bmp"})
            QVERIFY(QFile::copy(QStringLiteral(PERNOA_SETTINGS_DATA "/") + QLatin1String(name),
                                folder.filePath(QLatin1String(name))));
        QVERIFY(QDir::setCurrent(folder.path()));
        QByteArray music = fileBytes(folder.filePath(QStringLiteral("full.kvs2")));
        music.insert(music.indexOf("[$TextSettei$]"),
                     "[$YoushiSettei$]\r\npaper=letter\r\n\r\n"
                     "[$GakufuSettei$]\r\nstack=treble:5,tab:6:3\r\ngrouping=bracket\r\n"
                     "bars=4\r\nbarsthrough=staff\r\n\r\n");
        {
            QFile file(folder.filePath(QStringLiteral("music.kvs2")));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(music) == music.size());
        }
        const QString pages[] = {QStringLiteral("full.kvs2"), QStringLiteral("music.kvs2")};
        QByteArray saved[2][2];
        QByteArray defaults[2];
        const Language languages[] = {Language::Japanese, Language::English};
        for (int i = 0; i < 2; ++i) {
            useLanguage(languages[i]);
            rig.start(folder.path());
            for (int page = 0; page < 2; ++page) {
                rig.answers.fileAnswers = {folder.filePath(pages[page])};
                action("mnuSettei_Open")->trigger();
                const QString out =
                    folder.filePath(QStringLiteral("saved%1-%2.kvs2").arg(i).arg(page));
                rig.answers.fileAnswers = {out};
                action("mnuSettei_Save")->trigger();
                QCOMPARE(rig.answers.takeBoxTexts().join(u'|'), QString());
                saved[i][page] = fileBytes(out);
            }
            rig.program->fileCommands().SaveDefaultSettei();
            defaults[i] = fileBytes(DefaultSetteiPath(folder.path()));
            rig.reset();
        }
        QCOMPARE(saved[0][0], fileBytes(QStringLiteral(PERNOA_SETTINGS_DATA "/full.kvs2")));
        QCOMPARE(saved[1][0], saved[0][0]);
        QVERIFY(saved[0][1].contains("[$GakufuSettei$]\r\nstack=treble:5,tab:6:3"));
        QVERIFY(saved[0][1].contains("[$YoushiSettei$]\r\npaper=letter"));
        QCOMPARE(saved[1][1], saved[0][1]);
        QVERIFY(!defaults[0].isEmpty());
        QCOMPARE(defaults[1], defaults[0]);
    }
};

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
