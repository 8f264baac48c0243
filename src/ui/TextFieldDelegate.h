#pragma once

#include "ui/TextEdit.h"

#include <QString>

namespace ui {

class TextField;

// Told about a text field's edits: asked before each change the user makes (typing, deleting,
// pasting, cutting), and told when editing ends.
class TextFieldDelegate {
public:
    virtual ~TextFieldDelegate() = default;
    // Return false to refuse the change; the field then keeps its text.
    virtual bool textFieldShouldChangeCharactersInRange(TextField* field, TextRange range,
                                                        const QString& replacement) = 0;
    virtual void textFieldDidEndEditing(TextField*) {}
};

} // namespace ui
