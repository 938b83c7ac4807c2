#pragma once

#include "document/recentfiles.h"

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <functional>
#include <memory>
#include <vector>

namespace pernoa {
class SettingsFile;
class TavriEngine;
namespace overlay {
class OverlayItems;
}
} // namespace pernoa

namespace pernoa::document {

// The page as a document: the file it came from or went to last, whether it
// has changed since, and the history of its changes.
//
// A change is anything the settings file keeps: a field of the main window
// (each field's edits in a row are one step) and the items (the preview
// window and the item dialogs record their steps themselves). Loading a file
// is one step that holds the whole page before and after it. The history is
// clean after a whole load and at every save; the document is modified
// whenever it is not. A save keeps the history.
class Document : public QObject {
    Q_OBJECT
public:
    // The page is the engine's form and the items; loads and saves go through
    // a settings file on both. The recent files are kept at recentFilesStore
    // (see RecentFiles).
    Document(TavriEngine& engine, overlay::OverlayItems& items, const QString& recentFilesStore,
             QObject* parent = nullptr);
    ~Document() override;

    QUndoStack& history() { return m_history; }
    SettingsFile& settingsFile() { return *m_file; }
    RecentFiles& recentFiles() { return m_recent; }

    // From now on the fields are followed: their values now are the page as
    // it was. Until then (while the windows are built and start) no field
    // change counts.
    void begin();

    // The file loaded or saved last ("" for none).
    QString currentFile() const { return m_currentFile; }
    bool isModified() const { return !m_history.isClean(); }

    // Loads a settings file as one step, and redraws the page. A file whose
    // parameters cannot be read leaves the page as it was, with no step; one
    // read only in part (a later section missing or refused, a picture
    // gone) keeps what was read as a step, the document then modified. True
    // when the whole file was loaded.
    bool load(const QString& path);
    // Saves to a settings file; true when it was written.
    bool save(const QString& path);

    // A control of the main window changed: a step when it belongs to the
    // page and its value differs from the one last recorded.
    void fieldChanged(const QString& control);
    // Runs a change of several fields at once (a preset, a staff size) and
    // makes whatever it changed one step of this name; no step when it
    // changed nothing.
    void changeFields(const QString& stepName, const std::function<void()>& change);

    // Asks whatever gesture is in progress (a drag) to end as its own step,
    // before something takes the page as a whole.
    void settle();
    void undo();
    void redo();

signals:
    // Before a load, a save, an undo or a redo.
    void settling();
    // The current file or the modified state changed.
    void stateChanged();

private:
    class LoadStep;
    class FieldStep;
    class FieldsStep;

    void setCurrentFile(const QString& path);
    // Puts a field or the whole page back without recording it.
    void applyField(std::size_t field, const QString& value);
    void recordFields();

    TavriEngine& m_engine;
    overlay::OverlayItems& m_items;
    std::unique_ptr<SettingsFile> m_file;
    RecentFiles m_recent;
    QUndoStack m_history;
    QString m_currentFile;
    // The fields' values as last recorded (in the order of pageFields()).
    std::vector<QString> m_fields;
    bool m_following = false;
    // The page is being set by a load, an undo or a redo: no field change
    // is recorded.
    bool m_applying = false;
    // The field whose edits the next one of the same field joins (-1: none).
    int m_openField = -1;
    bool m_pushingField = false;
};

} // namespace pernoa::document
