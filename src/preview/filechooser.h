#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QFileDialog;
class QWidget;

namespace pernoa::preview {

// Where the image item dialog asks the user for a picture file. The desktop
// shows a file dialog; tests answer it themselves.
class IFileChooser {
public:
    virtual ~IFileChooser() = default;

    // The full path of an existing picture file the user chose, or "" when
    // the user cancelled.
    virtual QString choosePictureFile(QWidget* parent) = 0;
};

// The folder the picture file dialog starts in: the program's folder when
// the program may write there (a copy carried on a stick keeps its pictures
// beside it), otherwise the user's pictures folder; after a choice, the
// folder of the chosen file for the rest of the run.
class PictureFolder {
public:
    explicit PictureFolder(const QString& programFolder);

    QString start() const;
    void remember(const QString& chosenFile);

private:
    QString m_programFolder;
    QString m_last;
};

// The three entries of the file type list, the first one selected. Each
// shows the caption "画像ファイル(*.bmp)" and so on, and also matches the
// upper-case and long extensions cameras and other programs write.
QStringList pictureNameFilters();

// The file dialog "参照" opens: the file type list above, only an existing
// file can be chosen, starting in the given folder.
std::unique_ptr<QFileDialog> createPictureFileDialog(QWidget* parent, const QString& folder);

// The desktop chooser: the dialog above, starting where PictureFolder says.
class QtFileChooser : public IFileChooser {
public:
    explicit QtFileChooser(const QString& programFolder);

    QString choosePictureFile(QWidget* parent) override;
    const PictureFolder& folder() const { return m_folder; }

private:
    PictureFolder m_folder;
};

} // namespace pernoa::preview
