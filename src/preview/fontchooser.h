#pragma once

#include <QColor>
#include <QDialog>
#include <QString>

#include <cstdint>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace pernoa::preview {

// The six values a text item's font is made of, as the font chooser shows
// and returns them.
struct FontChoice {
    QString face;
    double size = 0; // points, fractions allowed
    bool bold = false;
    bool italic = false;
    bool underline = false;
    std::int32_t colour = 0; // colour number: red in the low byte, then green, then blue
};

// A colour number from a colour, and back.
std::int32_t colourNumber(const QColor& colour);
QColor colourFromNumber(std::int32_t number);

// Where the text item dialog asks the user for a font. The desktop shows a
// font dialog; tests answer it themselves.
class IFontChooser {
public:
    virtual ~IFontChooser() = default;

    // Shows the values of choice and lets the user change them. True when the
    // user accepted; choice then holds the new values. When the user cancels,
    // choice is left as it was.
    virtual bool choose(FontChoice& choice, QWidget* parent) = 0;
};

// The desktop font chooser "フォント": the installed scalable faces, the size
// (fractions allowed), bold, italic, underline and a colour button that opens
// the colour dialog. Bold and italic are check boxes rather than a list of
// the face's styles, because the Japanese faces come in one style only and
// are emboldened and slanted when drawn. A face that is not installed (the
// Windows names a text item may carry, such as "ＭＳ Ｐゴシック") heads the list,
// is drawn with the face standing in for it, and is kept as it is.
//
// The size box holds four characters ("10.5") at the desktop's font, and the
// range it takes stands below it; while the typed size is not one it takes,
// a line above the buttons says so and "OK" cannot be pressed.
class FontChooserDialog : public QDialog {
    Q_OBJECT
public:
    explicit FontChooserDialog(const FontChoice& choice, QWidget* parent = nullptr);

    // The values shown now.
    FontChoice choice() const;

    QListWidget* faceList() const { return m_faces; }
    QComboBox* sizeBox() const { return m_size; }
    QCheckBox* boldBox() const { return m_bold; }
    QCheckBox* italicBox() const { return m_italic; }
    QCheckBox* underlineBox() const { return m_underline; }
    QPushButton* okButton() const { return m_ok; }
    // The line that says what the size box takes, empty while it takes the
    // typed size.
    QLabel* sizeError() const { return m_sizeError; }
    void setColour(const QColor& colour);

private:
    void askColour();
    void updateSample();
    void checkSize();

    QListWidget* m_faces;
    QComboBox* m_size;
    QCheckBox* m_bold;
    QCheckBox* m_italic;
    QCheckBox* m_underline;
    QPushButton* m_colourButton;
    QLabel* m_sample;
    QLabel* m_sizeError;
    QPushButton* m_ok = nullptr;
    QColor m_colour;
    double m_presetSize;
};

// Shows FontChooserDialog modal.
class QtFontChooser : public IFontChooser {
public:
    bool choose(FontChoice& choice, QWidget* parent) override;
};

} // namespace pernoa::preview
