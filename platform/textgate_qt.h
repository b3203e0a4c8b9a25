#pragma once
// The gate every text passes on its way into a field: typed, pasted, dropped,
// composed by an input method or set by a dialog. Line breaks never reach a
// one-line box, "|" never reaches any field or note line, characters
// Windows-1252 cannot hold are refused; whenever text is refused or changed a
// short notice by the box says why.
#include <QPlainTextEdit>
#include <QString>
#include <QValidator>

#include "platform/fieldtext.h"

class QLineEdit;

namespace bw {

struct GatedText {
    QString text;
    QString notice; // empty when the text passed unchanged
};

// keepTrailingBreak: see checkFieldText.
GatedText gateText(const QString& text, FieldShape shape, bool keepTrailingBreak = false);

// The gate for a line edit (also a pick list's edit part): whatever arrives
// is passed through gateText, the cursor kept after what was kept.
class FieldValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

// Installs a FieldValidator owned by the edit.
void refuseFieldChars(QLineEdit* edit);

// While one lives, texts the program itself puts into boxes pass the gate
// without a notice (the user did not type them).
class ProgramTextChange {
public:
    ProgramTextChange();
    ~ProgramTextChange();
    ProgramTextChange(const ProgramTextChange&) = delete;
    ProgramTextChange& operator=(const ProgramTextChange&) = delete;
    static bool active();
};

// Shows text in a small notice just below the box (above it when there is no
// room) for a few seconds. One notice per window, named "fieldnotice".
void showFieldNotice(QWidget* box, const QString& text);

// The notes box: line breaks are its lines; "|" and what Windows-1252 cannot
// hold are refused, typed, pasted, dropped or composed.
class MemoWidget : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
};

} // namespace bw
