#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

namespace pernoa::document {

// The settings files the user opened or saved last, newest first, at most
// five, kept from one run to the next in a settings file of the user's own
// (an INI file). The list is read when the object is made and written only
// when it changes, so a run that opens and saves nothing writes nothing.
class RecentFiles : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaxEntries = 5;

    // Kept in the file at storePath; nothing is kept with an empty path.
    explicit RecentFiles(QString storePath, QObject* parent = nullptr);

    QStringList paths() const { return m_paths; }
    // The file goes first (by its absolute path; one entry per file).
    void add(const QString& path);
    void remove(const QString& path);

signals:
    void changed();

private:
    void store();

    QString m_storePath;
    QStringList m_paths;
};

} // namespace pernoa::document
