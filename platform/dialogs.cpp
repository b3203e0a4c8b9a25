#include "platform/dialogs.h"

namespace bw {

const char* msgTitle(MsgKind kind)
{
    switch (kind) {
    case MsgKind::Warning:
        return "Warning";
    case MsgKind::Error:
        return "Error";
    case MsgKind::Information:
        return "Information";
    case MsgKind::Confirm:
        return "Confirm";
    }
    return "";
}

} // namespace bw
