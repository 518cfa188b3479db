#pragma once

#include <QStringList>

namespace tessaro::app {

class QtSettingsStore;

// The list of recently used model files, most recent first, kept in the
// settings file under "Recent File List" as "File1" to "File4". The list is
// read from the file each time and written back at once on every change.
class RecentFiles {
 public:
  static constexpr int kCapacity = 4;
  static constexpr const char* kSection = "Recent File List";

  explicit RecentFiles(QtSettingsStore& store) : store_(store) {}

  QStringList Paths() const;
  // Puts path first (as an absolute path), dropping an older entry of the
  // same file and the entries beyond the capacity.
  void Add(const QString& path);
  void Remove(const QString& path);

 private:
  void Store(const QStringList& paths);

  QtSettingsStore& store_;
};

}  // namespace tessaro::app
