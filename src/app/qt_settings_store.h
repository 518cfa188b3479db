#pragma once

#include <QList>
#include <QMap>
#include <QPair>
#include <QString>
#include <QVariant>
#include <string>

#include "model/settings_store.h"

namespace tessaro::app {

// The program's settings file, read and written through QSettings in INI
// format ("[Section]" groups of "key=value" lines) in the user's
// configuration folder. QSettings escapes what a value holds (newlines,
// brackets, "=", leading and trailing blanks), so no value can add a line,
// a section or a key, and every value reads back exactly as written.
//
// Every read opens the file afresh, so a value edited outside the program
// is seen by the next read; every write goes to the file at once.
//
// A settings file that is not a regular file (a pipe, a device) or that is
// larger than kMaxFileBytes is not read nor written: the program warns once
// on standard error and keeps the settings of this run in memory.
class QtSettingsStore : public tessaro::SettingsStore {
 public:
  static constexpr qint64 kMaxFileBytes = 1024 * 1024;

  explicit QtSettingsStore(QString filePath);

  // "Tessaro/Tessaro.ini" in the user's configuration folder
  // ($XDG_CONFIG_HOME, or ~/.config when it is not set).
  static QString DefaultFilePath();

  const QString& FilePath() const { return path_; }

  std::string Read(const std::string& section, const std::string& key,
                   const std::string& fallback) const override;
  // A failed write is not reported: the file then keeps its old content.
  void Write(const std::string& section, const std::string& key, const std::string& value) override;

  using Entries = QList<QPair<QString, QVariant>>;
  // The keys and values of a section; empty when absent.
  Entries ReadSection(const QString& section) const;
  // Replaces the whole section by these entries (none removes the section).
  void ReplaceSection(const QString& section, const Entries& entries);

 private:
  // Whether the file may be used; warns once when it may not.
  bool Usable() const;

  QString path_;
  // The settings of this run when the file is not used.
  QMap<QString, QVariant> memory_;
  mutable bool warned_ = false;
};

}  // namespace tessaro::app
