#include "app/qt_settings_store.h"

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <cstdio>
#include <utility>

namespace tessaro::app {

namespace {

QString KeyPath(const QString& section, const QString& key) {
  return section + u'/' + key;
}

QString KeyPath(const std::string& section, const std::string& key) {
  return KeyPath(QString::fromStdString(section), QString::fromStdString(key));
}

// A value QSettings read as a list (an unquoted comma in a hand-edited
// file) is taken as the text it was.
std::string Text(const QVariant& value) {
  if (value.typeId() == QMetaType::QStringList) {
    return value.toStringList().join(QLatin1Char(',')).toStdString();
  }
  return value.toString().toStdString();
}

}  // namespace

QtSettingsStore::QtSettingsStore(QString filePath) : path_(std::move(filePath)) {}

QString QtSettingsStore::DefaultFilePath() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  return folder + QStringLiteral("/Tessaro/Tessaro.ini");
}

bool QtSettingsStore::Usable() const {
  // stat, not open: a pipe must not stall the start, and a link to a
  // device is judged by what it leads to.
  struct stat st {};
  if (::stat(QFile::encodeName(path_).constData(), &st) != 0) return true;  // not made yet
  const char* reason = nullptr;
  if (!S_ISREG(st.st_mode)) {
    reason = "it is not a regular file";
  } else if (st.st_size > kMaxFileBytes) {
    reason = "it is larger than 1 MB";
  }
  if (reason == nullptr) return true;
  if (!warned_) {
    warned_ = true;
    std::fprintf(stderr, "tessaro: ignoring the settings file \"%s\": %s.\n",
                 QFile::encodeName(path_).constData(), reason);
    std::fflush(stderr);
  }
  return false;
}

std::string QtSettingsStore::Read(const std::string& section, const std::string& key,
                                  const std::string& fallback) const {
  const QString path = KeyPath(section, key);
  if (!Usable()) return memory_.contains(path) ? Text(memory_.value(path)) : fallback;
  if (!QFileInfo::exists(path_)) return fallback;  // reading creates nothing
  const QSettings settings(path_, QSettings::IniFormat);
  const QVariant value = settings.value(path);
  return value.isValid() ? Text(value) : fallback;
}

void QtSettingsStore::Write(const std::string& section, const std::string& key,
                            const std::string& value) {
  const QString path = KeyPath(section, key);
  const QString text = QString::fromStdString(value);
  if (!Usable()) {
    memory_.insert(path, text);
    return;
  }
  QDir().mkpath(QFileInfo(path_).absolutePath());
  QSettings settings(path_, QSettings::IniFormat);
  settings.setValue(path, text);
  settings.sync();
}

QtSettingsStore::Entries QtSettingsStore::ReadSection(const QString& section) const {
  Entries entries;
  if (!Usable()) {
    const QString prefix = section + u'/';
    for (auto it = memory_.begin(); it != memory_.end(); ++it) {
      if (it.key().startsWith(prefix)) entries.append({it.key().mid(prefix.size()), it.value()});
    }
    return entries;
  }
  if (!QFileInfo::exists(path_)) return entries;
  QSettings settings(path_, QSettings::IniFormat);
  settings.beginGroup(section);
  for (const QString& key : settings.childKeys()) entries.append({key, settings.value(key)});
  return entries;
}

void QtSettingsStore::ReplaceSection(const QString& section, const Entries& entries) {
  if (!Usable()) {
    const QString prefix = section + u'/';
    for (auto it = memory_.begin(); it != memory_.end();) {
      it = it.key().startsWith(prefix) ? memory_.erase(it) : std::next(it);
    }
    for (const auto& [key, value] : entries) memory_.insert(prefix + key, value);
    return;
  }
  QDir().mkpath(QFileInfo(path_).absolutePath());
  QSettings settings(path_, QSettings::IniFormat);
  settings.remove(section);
  for (const auto& [key, value] : entries) settings.setValue(KeyPath(section, key), value);
  settings.sync();
}

}  // namespace tessaro::app
