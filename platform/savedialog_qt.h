#pragma once
// The save dialog for the files the program writes out (PDF, CSV).
#include "platform/dialogs.h"

class QWidget;

namespace bw {

class QtSaveDialog : public ISaveDialog {
public:
    explicit QtSaveDialog(QWidget* parent) : parent_(parent) {}
    std::optional<Path> execute(const std::string& title, const std::string& suggestedName,
                                const std::string& filter) override;

private:
    QWidget* parent_;
};

} // namespace bw
