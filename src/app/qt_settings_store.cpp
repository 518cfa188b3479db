#include "app/qt_settings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringList>
#include <utility>

namespace tessaro::app {

namespace {

// The section name of a "[Name]" line; false when the line is not a header.
bool SectionHeader(const QString& line, QString& name) {
  const QString trimmed = line.trimmed();
  if (trimmed.size() < 2 || !trimmed.startsWith(u'[') || !trimmed.endsWith(u']')) return false;
  name = trimmed.mid(1, trimmed.size() - 2).trimmed();
  return true;
}

// Splits a "Key=Value" line; comments (";" or "#") and other lines are not entries.
bool Entry(const QString& line, QString& key, QString& value) {
  const QString trimmed = line.trimmed();
  if (trimmed.isEmpty() || trimmed.startsWith(u';') || trimmed.startsWith(u'#')) return false;
  const qsizetype eq = trimmed.indexOf(u'=');
  if (eq <= 0) return false;
  key = trimmed.left(eq).trimmed();
  value = trimmed.mid(eq + 1).trimmed();
  return true;
}

bool SameName(const QString& a, const QString& b) {
  return a.compare(b, Qt::CaseInsensitive) == 0;
}

QStringList ReadLines(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
  QString text = QString::fromUtf8(file.readAll());
  QStringList lines = text.split(u'\n');
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  for (QString& line : lines) {
    if (line.endsWith(u'\r')) line.chop(1);
  }
  return lines;
}

void WriteLines(const QString& path, const QStringList& lines) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return;
  for (const QString& line : lines) {
    file.write(line.toUtf8());
    file.write("\n");
  }
  file.commit();
}

// The range [begin, end) of the lines of a section's body; begin is -1 when
// the section is absent. end stops before trailing blank lines.
std::pair<qsizetype, qsizetype> SectionBody(const QStringList& lines, const QString& section) {
  qsizetype begin = -1;
  for (qsizetype i = 0; i < lines.size(); ++i) {
    QString name;
    if (!SectionHeader(lines[i], name)) continue;
    if (begin >= 0) {
      qsizetype end = i;
      while (end > begin && lines[end - 1].trimmed().isEmpty()) --end;
      return {begin, end};
    }
    if (SameName(name, section)) begin = i + 1;
  }
  if (begin < 0) return {-1, -1};
  qsizetype end = lines.size();
  while (end > begin && lines[end - 1].trimmed().isEmpty()) --end;
  return {begin, end};
}

}  // namespace

QtSettingsStore::QtSettingsStore(QString filePath) : path_(std::move(filePath)) {}

QString QtSettingsStore::DefaultFilePath() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  return folder + QStringLiteral("/Tessaro/Tessaro.ini");
}

QtSettingsStore::Entries QtSettingsStore::ReadSection(const QString& section) const {
  const QStringList lines = ReadLines(path_);
  const auto [begin, end] = SectionBody(lines, section);
  Entries entries;
  for (qsizetype i = begin; i >= 0 && i < end; ++i) {
    QString key;
    QString value;
    if (Entry(lines[i], key, value)) entries.append({key, value});
  }
  return entries;
}

std::string QtSettingsStore::Read(const std::string& section, const std::string& key,
                                  const std::string& fallback) const {
  const QString wanted = QString::fromStdString(key);
  for (const auto& [name, value] : ReadSection(QString::fromStdString(section))) {
    if (SameName(name, wanted)) return value.toStdString();
  }
  return fallback;
}

void QtSettingsStore::Write(const std::string& section, const std::string& key,
                            const std::string& value) {
  const QString sectionName = QString::fromStdString(section);
  const QString keyName = QString::fromStdString(key);
  const QString line = keyName + u'=' + QString::fromStdString(value);
  QStringList lines = ReadLines(path_);
  const auto [begin, end] = SectionBody(lines, sectionName);
  if (begin < 0) {
    if (!lines.isEmpty() && !lines.last().trimmed().isEmpty()) lines.append(QString());
    lines.append(u'[' + sectionName + u']');
    lines.append(line);
    WriteLines(path_, lines);
    return;
  }
  for (qsizetype i = begin; i < end; ++i) {
    QString name;
    QString old;
    if (Entry(lines[i], name, old) && SameName(name, keyName)) {
      lines[i] = line;
      WriteLines(path_, lines);
      return;
    }
  }
  lines.insert(end, line);
  WriteLines(path_, lines);
}

void QtSettingsStore::ReplaceSection(const QString& section, const Entries& entries) {
  QStringList lines = ReadLines(path_);
  auto [begin, end] = SectionBody(lines, section);
  if (begin >= 0) {
    // Remove the header and the body; the blank lines after it stay.
    lines.erase(lines.begin() + (begin - 1), lines.begin() + end);
    end = begin - 1;
  } else {
    if (entries.isEmpty()) return;
    if (!lines.isEmpty() && !lines.last().trimmed().isEmpty()) lines.append(QString());
    end = lines.size();
  }
  if (!entries.isEmpty()) {
    QStringList block;
    block.append(u'[' + section + u']');
    for (const auto& [key, value] : entries) block.append(key + u'=' + value);
    for (qsizetype i = 0; i < block.size(); ++i) lines.insert(end + i, block[i]);
  }
  WriteLines(path_, lines);
}

}  // namespace tessaro::app
