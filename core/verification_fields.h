#pragma once

#include "core/form1_operations.h"
#include "core/text.h"

#include <array>

// A verification field of the main window and what it holds, in the words of its messages,
// e.g. "il numero dei campioni N".
struct VerificationField {
    TextBox box;
    const char16_t* subject;
};

// The nine verification fields in the order they are checked: supply, duty cycle and frequency
// first, then the components, then the counts.
const std::array<VerificationField, 9>& VerificationFields();

// "Hai dimenticato di scrivere " and the subject: the message for an empty field.
Text EmptyFieldText(const VerificationField& field);

// The message for a malformed field: the subject, then how a number may be written.
Text MalformedFieldText(const VerificationField& field);
