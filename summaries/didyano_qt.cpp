#include "summaries/didyano_qt.h"

#include <QWidget>

namespace bw {

void showDidYouKnowWindow(QWidget* owner, const std::string& appDir, IMessageBoxes& boxes)
{
}

} // namespace bw
