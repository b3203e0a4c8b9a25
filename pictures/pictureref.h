#pragma once
// The one crossing between a record's picture field, a Windows-1252 text in
// a3.pvd, and the picture file's path, the system's own bytes.
#include <optional>
#include <string>

#include "platform/path.h"

namespace bw {

// The file a picture field names; empty for no picture (3 characters or
// fewer). A field beginning with "/" is a full path; any other names a file
// under the program folder, so that a reference relative to it stays valid
// wherever the program runs from.
Path picturePathFromField(const std::string& field, const Path& appDir);

// The field text naming path, or nothing when the name cannot be stored as
// it stands: a letter Windows-1252 cannot hold, or a "|" or line break that
// would split the record line.
std::optional<std::string> pictureFieldFromPath(const Path& path);

// A path of another system (holding "\" and not starting with "/"): no
// file here, so it is kept as it was read.
bool isForeignPictureField(const std::string& field);

// What the next store of a record writes for the picture field it was shown
// with (file: picturePathFromField of it). The full path where it can be
// stored, so a bare name becomes a full path as before; otherwise, and for a
// path of another system (holding "\"), the field as it was read.
std::string fieldToStore(const std::string& field, const Path& file);

// As pictureFieldFromPath, for the part of path below appDir; nothing when
// path does not lie inside appDir or that part cannot be stored.
std::optional<std::string> relativePictureField(const Path& path, const Path& appDir);

} // namespace bw
