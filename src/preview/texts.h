#pragma once

// The texts of the preview window and the item dialogs that a user reads, in
// one place: titles, captions, menu entries, tooltips and messages, and the
// captions of the dialog buttons the windows share ("OK", "キャンセル"). Each
// is wrapped for Qt's translation tools in the context "preview", the
// Japanese the program shows as the source text.

#include <QString>
#include <QStringList>

namespace pernoa::preview::texts {

// --- buttons every window uses ---
QString ok();
QString cancel();

// --- the preview window ---
QString previewTitle();
QString pageTip();
QString previewDescription();
QString textTip();
QString imageTip();
QString newMenu();
QString insertTextHere();
QString insertImageHere();
QString textMenu();
QString editThisText();
QString deleteThisText();
QString imageMenu();
QString editThisImage();
QString deleteThisImage();
QString deleteQuestion();
QString deleteTitle();

// --- both item dialogs ---
QString registerItem();
QString giveUp();

// --- the text item dialog ---
QString textDialogTitle();
QString textCaption();
// The font button's caption as designed: the run of spaces is where the
// button breaks its two lines.
QString fontButton();
QString enterText();

// --- the image item dialog ---
QString imageDialogTitle();
QString browse();
QString imagePlace();
QString scaleCaption();
QString percentUnit();
// The scale field, as the checks name it.
QString imageScale();
QString scaleTooLarge();
QString imageTeaseTitle();
QString chooseImage();
// The picture file dialog's file types: the caption before the last
// parenthesis, the patterns inside it.
QStringList pictureFileTypes();

// --- the font chooser ---
QString fontTitle();
QString bold();
QString italic();
QString underline();
QString colourButton();
QString colourTitle();
QString fontSample();
QString stylesFrame();
QString faceCaption();
QString sizeCaption();
QString sampleCaption();
QString sizeRange(const QString& least, const QString& most);
QString sizeOutOfRange(const QString& least, const QString& most);

// --- the undo and redo commands of both windows ---
QString undo();
// Undoing a step, by the step's name.
QString undoStep(const QString& step);
QString redo();
QString redoStep(const QString& step);

} // namespace pernoa::preview::texts
