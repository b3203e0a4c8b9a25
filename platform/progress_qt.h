#pragma once
// A progress window with a Cancel button for long jobs on the window thread.
#include "platform/printer.h"

class QWidget;

namespace bw {

class QtProgressReporter : public IProgressReporter {
public:
    explicit QtProgressReporter(QWidget* parent) : parent_(parent) {}
    std::unique_ptr<IProgress> begin(const std::string& label, long total) override;

private:
    QWidget* parent_;
};

} // namespace bw
