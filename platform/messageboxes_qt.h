#pragma once
// Message boxes as QMessageBox: modal, titled by their kind, with the icon of
// the kind and exactly the buttons asked for.
#include <string>
#include <vector>

#include "platform/dialogs.h"

class QWidget;

namespace bw {

struct AskedBox {
    MsgKind kind;
    std::string text;
    MsgButtons buttons;
};

class QtMessageBoxes : public IMessageBoxes {
public:
    explicit QtMessageBoxes(QWidget* parent = nullptr) : parent_(parent) {}
    // Return presses Yes in a Yes/No box (No where No is the default) and OK
    // in an OK box; Escape and the close box answer No (or OK).
    Answer show(MsgKind kind, const std::string& text, MsgButtons buttons) override;

    // Test seam: while answering is scripted no box is put on screen; every
    // box is recorded, an OK box answers OK and a Yes/No box takes the next
    // answer set with setNextAnswer (No when none is left).
    static void setScripted(bool scripted);
    static void setNextAnswer(Answer answer);
    static std::vector<AskedBox> takeAsked();

private:
    QWidget* parent_;
};

} // namespace bw
