#include "pictures/pictureref.h"

#include "platform/ansi.h"
#include "platform/fieldtext.h"

namespace bw {

namespace {
// Shorter fields ("0" in a new record) mean no picture.
constexpr std::size_t MinPictureField = 4;
} // namespace

Path picturePathFromField(const std::string& field, const Path& appDir)
{
    if (field.size() < MinPictureField)
        return {};
    Path named = Path::fromNative(ansiToUtf8(field));
    if (named.isAbsolute())
        return named;
    return appDir / named.native();
}

std::optional<std::string> pictureFieldFromPath(const Path& path)
{
    std::optional<std::string> field = utf8ToAnsi(path.native());
    // Stored only when it reads back as itself: the field rule changes
    // nothing and the field is long enough to name a picture.
    if (!field || checkFieldText(*field, FieldShape::OneLine).changed() || field->size() < MinPictureField)
        return std::nullopt;
    return field;
}

bool isForeignPictureField(const std::string& field)
{
    return field.find('\\') != std::string::npos && field.front() != '/';
}

std::string fieldToStore(const std::string& field, const Path& file)
{
    if (file.empty())
        return {};
    if (isForeignPictureField(field))
        return field;
    return pictureFieldFromPath(file).value_or(field);
}

std::optional<std::string> relativePictureField(const Path& path, const Path& appDir)
{
    std::string relative;
    if (!path.relativeTo(appDir, relative))
        return std::nullopt;
    return pictureFieldFromPath(Path::fromNative(std::move(relative)));
}

} // namespace bw
