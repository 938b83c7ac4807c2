#include "document/recentfiles.h"

#include <QFileInfo>
#include <QSettings>

#include <utility>

namespace pernoa::document {
namespace {

const QString kKey = QStringLiteral("recent/files");

} // namespace

RecentFiles::RecentFiles(QString storePath, QObject* parent)
    : QObject(parent), m_storePath(std::move(storePath)) {
    if (m_storePath.isEmpty())
        return;
    const QSettings store(m_storePath, QSettings::IniFormat);
    for (const QString& path : store.value(kKey).toStringList())
        if (!path.isEmpty() && !m_paths.contains(path) && m_paths.size() < kMaxEntries)
            m_paths << path;
}

void RecentFiles::add(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList paths = m_paths;
    paths.removeAll(absolute);
    paths.prepend(absolute);
    while (paths.size() > kMaxEntries)
        paths.removeLast();
    if (paths == m_paths)
        return;
    m_paths = paths;
    store();
}

void RecentFiles::remove(const QString& path) {
    if (m_paths.removeAll(path) == 0)
        return;
    store();
}

void RecentFiles::store() {
    if (!m_storePath.isEmpty()) {
        QSettings store(m_storePath, QSettings::IniFormat);
        store.setValue(kKey, m_paths);
    }
    emit changed();
}

} // namespace pernoa::document
