#include "document/document.h"

#include "document/pagestate.h"
#include "document/texts.h"
#include "engine/tavriengine.h"
#include "files/settingsfile.h"
#include "overlay/overlayitems.h"

#include <QFileInfo>
#include <QScopedValueRollback>
#include <QUndoCommand>

#include <utility>

namespace pernoa::document {
namespace {

// Field steps of one field in a row join into one.
constexpr int kFieldStepId = 1;

} // namespace

// Several fields, each from one value to another, in the order of the page's
// fields.
class Document::FieldsStep final : public QUndoCommand {
public:
    struct Change {
        std::size_t field;
        QString before;
        QString after;
    };
    FieldsStep(Document& document, const QString& name, std::vector<Change> changes)
        : QUndoCommand(name), m_document(document), m_changes(std::move(changes)) {}

    void redo() override {
        if (!std::exchange(m_done, false))
            for (const Change& change : m_changes)
                m_document.applyField(change.field, change.after);
    }
    void undo() override {
        for (const Change& change : m_changes)
            m_document.applyField(change.field, change.before);
    }

private:
    Document& m_document;
    std::vector<Change> m_changes;
    bool m_done = true;
};

// The whole page before and after a load, and the file it named.
class Document::LoadStep final : public QUndoCommand {
public:
    LoadStep(Document& document, PageState before, PageState after, QString fileBefore,
             QString fileAfter)
        : QUndoCommand(texts::loadFile(QFileInfo(fileAfter).fileName())), m_document(document),
          m_before(std::move(before)), m_after(std::move(after)),
          m_fileBefore(std::move(fileBefore)), m_fileAfter(std::move(fileAfter)) {}

    void redo() override {
        if (!std::exchange(m_done, false))
            put(m_after, m_fileAfter);
    }
    void undo() override { put(m_before, m_fileBefore); }

private:
    void put(const PageState& state, const QString& file) {
        {
            // The page's own changes are no field steps of the user's.
            const QScopedValueRollback applying(m_document.m_applying, true);
            restorePage(m_document.m_engine.form(), m_document.m_items, state);
            m_document.m_engine.DrawTavriSheet(0);
        }
        m_document.recordFields();
        m_document.setCurrentFile(file);
    }

    Document& m_document;
    PageState m_before;
    PageState m_after;
    QString m_fileBefore;
    QString m_fileAfter;
    bool m_done = true;
};

// One field from one value to another.
class Document::FieldStep final : public QUndoCommand {
public:
    FieldStep(Document& document, int field, QString before, QString after, bool joins)
        : m_document(document), m_field(field), m_before(std::move(before)),
          m_after(std::move(after)), m_joins(joins) {
        setText(fieldStepName(pageFields()[field], m_after));
    }

    int id() const override { return kFieldStepId; }
    bool mergeWith(const QUndoCommand* other) override {
        const auto* next = static_cast<const FieldStep*>(other);
        if (!next->m_joins || next->m_field != m_field)
            return false;
        m_after = next->m_after;
        // Typed back to where it started: no step at all.
        setObsolete(m_after == m_before);
        return true;
    }
    void redo() override {
        if (!std::exchange(m_done, false))
            m_document.applyField(m_field, m_after);
    }
    void undo() override { m_document.applyField(m_field, m_before); }

private:
    Document& m_document;
    int m_field;
    QString m_before;
    QString m_after;
    bool m_joins;
    bool m_done = true;
};

Document::Document(TavriEngine& engine, overlay::OverlayItems& items,
                   const QString& recentFilesStore, QObject* parent)
    : QObject(parent), m_engine(engine), m_items(items),
      m_file(std::make_unique<SettingsFile>(engine, items)), m_recent(recentFilesStore) {
    connect(&m_history, &QUndoStack::cleanChanged, this, &Document::stateChanged);
    // Any step but a field's own edits ends the run of edits that join.
    connect(&m_history, &QUndoStack::indexChanged, this, [this] {
        if (!m_pushingField)
            m_openField = -1;
    });
}

Document::~Document() {
    // The steps refer to the document: they go first.
    m_history.clear();
}

void Document::begin() {
    recordFields();
    m_following = true;
}

void Document::recordFields() {
    const std::vector<PageField>& fields = pageFields();
    m_fields.resize(fields.size());
    for (std::size_t i = 0; i < fields.size(); ++i)
        m_fields[i] = readField(m_engine.form(), fields[i]);
}

void Document::setCurrentFile(const QString& path) {
    if (path == m_currentFile)
        return;
    m_currentFile = path;
    emit stateChanged();
}

void Document::applyField(std::size_t field, const QString& value) {
    {
        const QScopedValueRollback applying(m_applying, true);
        writeField(m_engine.form(), pageFields()[field], value);
    }
    m_fields[field] = readField(m_engine.form(), pageFields()[field]);
}

void Document::fieldChanged(const QString& control) {
    if (!m_following || m_applying)
        return;
    const PageField* field = pageFieldOf(control);
    if (!field)
        return;
    const auto index = static_cast<int>(field - pageFields().data());
    const QString value = readField(m_engine.form(), *field);
    if (value == m_fields[index])
        return;
    // Typing and sliding are many changes of one field: they join into one
    // step. Choosing an option, an entry or the box is a step each time.
    const bool joins = index == m_openField &&
                       (field->kind == ControlKind::Text || field->kind == ControlKind::ScrollBar);
    const QString before = std::exchange(m_fields[index], value);
    m_pushingField = true;
    m_history.push(new FieldStep(*this, index, before, value, joins));
    m_pushingField = false;
    m_openField = index;
}

void Document::changeFields(const QString& stepName, const std::function<void()>& change) {
    settle();
    const std::vector<QString> before = m_fields;
    {
        const QScopedValueRollback applying(m_applying, true);
        change();
    }
    if (!m_following)
        return;
    recordFields();
    std::vector<FieldsStep::Change> changes;
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        if (m_fields[i] != before[i])
            changes.push_back({i, before[i], m_fields[i]});
    if (!changes.empty())
        m_history.push(new FieldsStep(*this, stepName, std::move(changes)));
}

void Document::settle() {
    emit settling();
}

void Document::undo() {
    settle();
    m_history.undo();
}

void Document::redo() {
    settle();
    m_history.redo();
}

bool Document::load(const QString& path) {
    settle();
    PageState before = capturePage(m_engine.form(), m_items);
    LoadReach reach = LoadReach::Nothing;
    {
        const QScopedValueRollback applying(m_applying, true);
        reach = m_file->readSections(path);
        if (reach == LoadReach::Nothing) {
            // Only the items went: they come back, with their slots.
            restorePage(m_engine.form(), m_items, before);
            return false;
        }
        m_engine.DrawTavriSheet(0);
    }
    recordFields();
    PageState after = capturePage(m_engine.form(), m_items);
    m_history.push(new LoadStep(*this, std::move(before), std::move(after), m_currentFile, path));
    setCurrentFile(path);
    m_recent.add(path);
    if (reach != LoadReach::Whole)
        return false;
    m_history.setClean();
    return true;
}

bool Document::save(const QString& path) {
    settle();
    if (!m_file->SaveSetteiFile(path))
        return false;
    m_openField = -1;
    setCurrentFile(path);
    m_history.setClean();
    m_recent.add(path);
    return true;
}

} // namespace pernoa::document
