#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <string>

#include "model/settings_store.h"

namespace tessaro::app {

// The program's settings file: a plain INI text ("[Section]" lines and
// "Key=Value" lines) in the user's configuration folder. Every read opens
// the file afresh, so a value edited outside the program is seen by the next
// read; every write rewrites the file atomically, keeping the other sections,
// keys and comments as they were. Section and key names compare without
// regard to letter case, as INI profiles do.
class QtSettingsStore : public tessaro::SettingsStore {
 public:
  explicit QtSettingsStore(QString filePath);

  // "Tessaro/Tessaro.ini" in the user's configuration folder
  // ($XDG_CONFIG_HOME, or ~/.config when it is not set).
  static QString DefaultFilePath();

  const QString& FilePath() const { return path_; }

  std::string Read(const std::string& section, const std::string& key,
                   const std::string& fallback) const override;
  // A failed write is not reported: the file then keeps its old content.
  void Write(const std::string& section, const std::string& key, const std::string& value) override;

  using Entries = QList<QPair<QString, QString>>;
  // The keys and values of a section in file order; empty when absent.
  Entries ReadSection(const QString& section) const;
  // Replaces the whole section by these entries (none removes the section).
  void ReplaceSection(const QString& section, const Entries& entries);

 private:
  QString path_;
};

}  // namespace tessaro::app
