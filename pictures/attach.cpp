#include "pictures/attach.h"

#include <cctype>

#include "pictures/pictureref.h"
#include "pictures/showpicture.h"
#include "platform/atomicfile.h"

namespace bw {

namespace {

// The folder inside the program folder that holds the pictures whose own
// names the records cannot hold.
constexpr const char* PictureFolder = "pictures";

// Letters and digits only, so that the name can always be stored.
std::string plainPart(std::string_view text, std::size_t most)
{
    std::string out;
    for (char c : text)
        if (out.size() < most && std::isalnum(static_cast<unsigned char>(c)) &&
            static_cast<unsigned char>(c) < 0x80)
            out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// Copies the picture to pictures/<key>.<ext> in the program folder (another
// number when that name holds a different picture) and returns the copy.
Path copyIntoProgramFolder(const MainState& st, const Path& chosen)
{
    const std::string bytes = readWholeFile(chosen);
    const Path folder = st.appDir / PictureFolder;
    makeFolder(folder);
    std::string stem;
    for (char c : getField(st.RecordList, st.currentIndex, FKey))
        if (std::isalpha(static_cast<unsigned char>(c)) && static_cast<unsigned char>(c) < 0x80)
            stem += c;
    if (stem.empty())
        stem = "picture";
    const std::string_view name = chosen.fileName();
    const auto dot = name.find_last_of('.');
    const std::string ext =
        dot == std::string_view::npos ? std::string() : plainPart(name.substr(dot + 1), 5);
    for (int n = 1;; ++n) {
        const Path copy = folder / (stem + (n > 1 ? "-" + std::to_string(n) : std::string()) +
                                    (ext.empty() ? "" : "." + ext));
        if (isRegularFile(copy)) {
            if (readWholeFile(copy) == bytes)
                return copy;
            continue;
        }
        if (fileExists(copy))
            continue;
        writeFileAtomically(copy, bytes);
        return copy;
    }
}

// The same for all three places a double-click lands on. Only the window
// changes; the reference reaches the record when it is next stored.
void attachPicture(MainState& st)
{
    const std::optional<Path> chosen = st.sys.openpic->execute();
    if (!chosen)
        return;
    Path file = *chosen;
    std::optional<std::string> field = pictureFieldFromPath(file);
    if (!field)
        field = relativePictureField(file, st.appDir);
    // A name the record cannot hold (a letter outside Windows-1252, "|", a
    // line break): a copy under a name it can, relative to the program folder.
    // With no record on screen nothing would store it, so nothing is copied.
    if (!field && !st.RecordList.empty()) {
        file = copyIntoProgramFolder(st, *chosen);
        field = relativePictureField(file, st.appDir);
    }
    loadPictureIntoBox(st, file);
    st.picturePath = file;
    st.pictureField = field.value_or(std::string());
}

} // namespace

void scroll1DblClick(MainState& st)
{
    attachPicture(st);
}
void Label19DblClick(MainState& st)
{
    attachPicture(st);
}
void beanimgDblClick(MainState& st)
{
    attachPicture(st);
}

void beanimgMouseDown(MainState& st, MouseButton button)
{
    // The left button's double-click is the attach action; only the right
    // button opens the close-up.
    if (button != MouseButton::Right)
        return;
    st.sys.windows->showCloseup(st.ui.beanimg->bitmap());
}

} // namespace bw
