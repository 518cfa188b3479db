#pragma once

#include <string>

#include "doc/file_store.h"

// What the reading side (doc/file_store.cpp) and the saving side
// (doc/safe_save.cpp) of the disk share. Only those two include this.

namespace tessaro::file_detail {

FileIdentity IdentityOf(const FileInfo& info);

std::string Quoted(const std::string& path);

// The text of an errno value.
std::string ErrorText(int error);

// The path a save replaces: the file a symbolic link points to, or path.
std::string ResolveTarget(const std::string& path, FileSystem& fs);

}  // namespace tessaro::file_detail
