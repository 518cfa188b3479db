#include "app/recent_files.h"

#include <QFileInfo>

#include "app/file_names.h"
#include "app/qt_settings_store.h"

namespace tessaro::app {

namespace {

QString KeyOf(int index) {
  return QStringLiteral("File%1").arg(index + 1);
}

QString Normalized(const QString& path) {
  return QFileInfo(path).absoluteFilePath();
}

// A name that is valid UTF-8 is kept as text, readable in the file; any
// other name as its bytes, so that it comes back exactly.
QVariant Stored(const QString& path) {
  const QByteArray bytes = EncodeFileName(path);
  if (QString::fromUtf8(bytes).toUtf8() == bytes) return path;
  return bytes;
}

QString PathOf(const QVariant& value) {
  if (value.typeId() == QMetaType::QByteArray) return DecodeFileName(value.toByteArray());
  return value.toString();
}

}  // namespace

QStringList RecentFiles::Paths() const {
  const QtSettingsStore::Entries entries = store_.ReadSection(QString::fromLatin1(kSection));
  QStringList paths;
  for (int i = 0; i < kCapacity; ++i) {
    const QString key = KeyOf(i);
    for (const auto& [name, value] : entries) {
      if (name == key) {
        const QString path = PathOf(value);
        if (!path.isEmpty()) paths.append(path);
        break;
      }
    }
  }
  return paths;
}

void RecentFiles::Add(const QString& path) {
  const QString entry = Normalized(path);
  QStringList paths = Paths();
  paths.removeAll(entry);
  paths.prepend(entry);
  while (paths.size() > kCapacity) paths.removeLast();
  Store(paths);
}

void RecentFiles::Remove(const QString& path) {
  QStringList paths = Paths();
  if (paths.removeAll(Normalized(path)) > 0) Store(paths);
}

void RecentFiles::Store(const QStringList& paths) {
  QtSettingsStore::Entries entries;
  for (int i = 0; i < paths.size(); ++i) entries.append({KeyOf(i), Stored(paths[i])});
  store_.ReplaceSection(QString::fromLatin1(kSection), entries);
}

}  // namespace tessaro::app
