#pragma once

#include <QByteArray>
#include <QString>
#include <string>

namespace tessaro::app {

// File names on Linux are bytes, not text. A name is held as a QString in
// which every byte that is not part of valid UTF-8 is kept as the lone
// surrogate U+DC80 + (byte - 0x80), so that any name survives the trip
// bytes -> QString -> bytes unchanged while its valid part reads as text.
// (QFile::decodeName turns such bytes into U+FFFD and loses them.)
QString DecodeFileName(const QByteArray& bytes);
QByteArray EncodeFileName(const QString& name);
// The bytes of a name as the disk functions of the core take them.
std::string FileNameBytes(const QString& name);
// A name for a message or a title: kept bytes show as U+FFFD.
QString DisplayFileName(const QString& name);

}  // namespace tessaro::app
