#pragma once
// Message boxes, the picture-open dialog and the desktop's document opener.
#include <optional>
#include <string>

#include "platform/path.h"

namespace bw {

// The kind gives the box its title ("Warning", "Error", "Information",
// "Confirm") and its icon.
enum class MsgKind { Warning, Error, Information, Confirm };
// YesNoDefaultNo: Return answers No, for a question whose Yes gives something up.
enum class MsgButtons { Ok, YesNo, YesNoDefaultNo };
enum class Answer { Ok, Yes, No };

const char* msgTitle(MsgKind kind);

class IMessageBoxes {
public:
    virtual ~IMessageBoxes() = default;
    // Modal; returns the button pressed (closing a Yes/No box answers No).
    virtual Answer show(MsgKind kind, const std::string& text, MsgButtons buttons) = 0;
};

// The "Picture Files" dialog: a full path of an existing file, or nothing.
class IPictureDialog {
public:
    virtual ~IPictureDialog() = default;
    virtual std::optional<Path> execute() = 0;
};

// A save dialog: the full path of the file to write, or nothing. It opens on
// suggestedName in the user's documents folder and asks before replacing a file.
class ISaveDialog {
public:
    virtual ~ISaveDialog() = default;
    virtual std::optional<Path> execute(const std::string& title, const std::string& suggestedName,
                                        const std::string& filter) = 0;
};

class IDesktop {
public:
    virtual ~IDesktop() = default;
    // Opens a document with the desktop's program for its type; no message.
    virtual void openDocument(const Path& path) = 0;
};

} // namespace bw
