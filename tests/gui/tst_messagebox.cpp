// The message box wrapper: the box each message is shown in, the answers,
// pre-answering, and the busy pointer; the boxes and dialogs of a window
// that is deleted while they are open.

#include "presetanswers.h"
#include "ui/filecommands.h"
#include "ui/messagebox.h"
#include "ui/progressdialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QPointer>
#include <QProgressDialog>
#include <QTest>
#include <QTimer>

#include <functional>

using pernoa::MsgAnswer;
using pernoa::MsgButtons;
using pernoa::MsgIcon;
using pernoa::test::BoxRecord;
using pernoa::test::PresetAnswers;
using pernoa::ui::DesktopDialogRunner;
using pernoa::ui::FileDialogs;
using pernoa::ui::JobProgressDialog;
using pernoa::ui::MessageBoxes;

Q_DECLARE_METATYPE(MsgIcon)
Q_DECLARE_METATYPE(MsgButtons)
Q_DECLARE_METATYPE(MsgAnswer)

namespace {

// Runs an action on the first modal box once it is shown.
void onModalBox(std::function<void(QMessageBox*)> action) {
    QTimer::singleShot(0, [action] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        action(box);
    });
}

} // namespace

class MessageBoxTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void boxes_data();
    void boxes();
    void presetAnswers();
    void realBoxAnswers_data();
    void realBoxAnswers();
    void realBoxIsPlainTextAndShowsNormalPointer();
    void busyPointer();
    void windowDeletedUnderItsDialogs();
};

void MessageBoxTest::cleanup() {
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

void MessageBoxTest::boxes_data() {
    QTest::addColumn<MsgIcon>("icon");
    QTest::addColumn<MsgButtons>("buttons");
    QTest::addColumn<int>("qtIcon");
    QTest::addColumn<int>("qtButtons");
    QTest::addColumn<QStringList>("buttonTexts");
    const int ok = QMessageBox::Ok;
    const int okCancel = QMessageBox::Ok | QMessageBox::Cancel;
    const QStringList okText{QStringLiteral("OK")};
    const QStringList okCancelTexts{QStringLiteral("OK"), QStringLiteral("キャンセル")};
    QTest::newRow("warning") << MsgIcon::Warning << MsgButtons::Ok << int(QMessageBox::Warning)
                             << ok << okText;
    QTest::newRow("no icon") << MsgIcon::None << MsgButtons::Ok << int(QMessageBox::NoIcon) << ok
                             << okText;
    QTest::newRow("information") << MsgIcon::Information << MsgButtons::Ok
                                 << int(QMessageBox::Information) << ok << okText;
    QTest::newRow("critical") << MsgIcon::Critical << MsgButtons::Ok << int(QMessageBox::Critical)
                              << ok << okText;
    QTest::newRow("question, OK and Cancel")
        << MsgIcon::Question << MsgButtons::OkCancel << int(QMessageBox::Question) << okCancel
        << okCancelTexts;
}

void MessageBoxTest::boxes() {
    QFETCH(MsgIcon, icon);
    QFETCH(MsgButtons, buttons);
    QFETCH(int, qtIcon);
    QFETCH(int, qtButtons);
    QFETCH(QStringList, buttonTexts);
    PresetAnswers answers;
    MessageBoxes messages(answers);
    const QString text = QStringLiteral("一行目\r\n<b>二行目</b>");
    QCOMPARE(messages.showMessage(text, QStringLiteral("ペルノア"), icon, buttons), MsgAnswer::Ok);
    const QList<BoxRecord> records = answers.takeBoxes();
    QCOMPARE(records.size(), 1);
    const BoxRecord& r = records.first();
    QCOMPARE(r.text, text);
    QCOMPARE(r.title, QStringLiteral("ペルノア"));
    QCOMPARE(int(r.icon), qtIcon);
    QCOMPARE(int(r.buttons), qtButtons);
    QStringList texts = r.buttonTexts;
    texts.sort();
    buttonTexts.sort();
    QCOMPARE(texts, buttonTexts);
    QCOMPARE(r.textFormat, Qt::PlainText);
}

void MessageBoxTest::presetAnswers() {
    PresetAnswers answers;
    MessageBoxes messages(answers);
    // Queued answers are taken in order, one per box; a box with only an OK
    // button can only be answered OK. Nothing is shown.
    answers.boxAnswers = {MsgAnswer::Cancel, MsgAnswer::Cancel, MsgAnswer::Ok};
    QCOMPARE(messages.showMessage("a", "t", MsgIcon::Question, MsgButtons::OkCancel),
             MsgAnswer::Cancel);
    QCOMPARE(messages.showMessage("b", "t", MsgIcon::Warning, MsgButtons::Ok), MsgAnswer::Ok);
    QCOMPARE(messages.showMessage("c", "t", MsgIcon::Question, MsgButtons::OkCancel),
             MsgAnswer::Ok);
    QCOMPARE(answers.takeBoxes().size(), 3);
    // With the queue empty, OK.
    QCOMPARE(messages.showMessage("d", "t", MsgIcon::Question, MsgButtons::OkCancel),
             MsgAnswer::Ok);
}

void MessageBoxTest::realBoxAnswers_data() {
    QTest::addColumn<MsgButtons>("buttons");
    QTest::addColumn<int>("press"); // a standard button, or 0 for the Escape key
    QTest::addColumn<MsgAnswer>("answer");
    QTest::newRow("OK of OK and Cancel")
        << MsgButtons::OkCancel << int(QMessageBox::Ok) << MsgAnswer::Ok;
    QTest::newRow("Cancel") << MsgButtons::OkCancel << int(QMessageBox::Cancel)
                            << MsgAnswer::Cancel;
    QTest::newRow("Escape on OK and Cancel") << MsgButtons::OkCancel << 0 << MsgAnswer::Cancel;
    QTest::newRow("Escape on OK") << MsgButtons::Ok << 0 << MsgAnswer::Ok;
    QTest::newRow("OK") << MsgButtons::Ok << int(QMessageBox::Ok) << MsgAnswer::Ok;
}

void MessageBoxTest::realBoxAnswers() {
    QFETCH(MsgButtons, buttons);
    QFETCH(int, press);
    QFETCH(MsgAnswer, answer);
    DesktopDialogRunner desktop;
    MessageBoxes messages(desktop);
    onModalBox([press](QMessageBox* box) {
        if (press == 0)
            QTest::keyClick(box, Qt::Key_Escape);
        else
            box->button(QMessageBox::StandardButton(press))->click();
    });
    QCOMPARE(messages.showMessage(QStringLiteral("本当に削除しますか？"),
                                  QStringLiteral("削除確認"), MsgIcon::Question, buttons),
             answer);
}

void MessageBoxTest::realBoxIsPlainTextAndShowsNormalPointer() {
    DesktopDialogRunner desktop;
    MessageBoxes messages(desktop);
    messages.setBusyPointer(true);
    QString seenText;
    Qt::CursorShape seenPointer = Qt::BlankCursor;
    onModalBox([&](QMessageBox* box) {
        seenText = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->text();
        QCOMPARE(box->textFormat(), Qt::PlainText);
        QCOMPARE(box->windowTitle(), QStringLiteral("ペルノア"));
        seenPointer = QApplication::overrideCursor()->shape();
        box->button(QMessageBox::Ok)->click();
    });
    messages.showMessage(QStringLiteral("<i>a</i> & b"), QStringLiteral("ペルノア"),
                         MsgIcon::Warning);
    QCOMPARE(seenText, QStringLiteral("<i>a</i> & b"));
    QCOMPARE(seenPointer, Qt::ArrowCursor);
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    messages.setBusyPointer(false);
    QVERIFY(!QApplication::overrideCursor());
}

void MessageBoxTest::busyPointer() {
    PresetAnswers answers;
    MessageBoxes messages(answers);
    messages.setBusyPointer(true);
    QVERIFY(QApplication::overrideCursor());
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    messages.setBusyPointer(true); // already on: nothing more to undo later
    messages.setBusyPointer(false);
    QVERIFY(!QApplication::overrideCursor());

    // Turning it off when it is not on leaves another pointer alone.
    QApplication::setOverrideCursor(Qt::CrossCursor);
    messages.setBusyPointer(false);
    QVERIFY(QApplication::overrideCursor());
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::CrossCursor);
}

void MessageBoxTest::windowDeletedUnderItsDialogs() {
    DesktopDialogRunner desktop;
    // Deletes the window under the modal dialog it parents, or closes a
    // dialog that stands over another window so the test goes on.
    const auto deleteUnder = [](QWidget* window) {
        QTimer::singleShot(0, [window] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            if (dialog->parentWidget() == window)
                delete window;
            else
                dialog->close();
        });
    };

    // A message box: not answered, so the question counts as cancelled.
    QPointer<QWidget> window = new QWidget;
    MessageBoxes messages(desktop, window);
    deleteUnder(window);
    QCOMPARE(messages.showMessage(QStringLiteral("保存しますか？"), QStringLiteral("ペルノア"),
                                  MsgIcon::Question, MsgButtons::OkCancel),
             MsgAnswer::Cancel);
    QVERIFY(!window);

    // A file dialog: no file chosen.
    window = new QWidget;
    FileDialogs files(desktop, QDir::tempPath(), QStringLiteral("*"));
    deleteUnder(window);
    QCOMPARE(files.getOpenPath(window), QString());
    QVERIFY(!window);

    // The progress of a job: the job goes on without its dialog.
    window = new QWidget;
    JobProgressDialog progress(window);
    progress.start(4);
    QVERIFY(progress.dialog());
    delete window.data();
    QVERIFY(!progress.dialog());
    QVERIFY(progress.step(2));
    progress.finish();
    QVERIFY(!QApplication::overrideCursor());
}

QTEST_MAIN(MessageBoxTest)
#include "tst_messagebox.moc"
