#pragma once

// The decimal separator of the user's locale, for the numbers the tool shows.
char16_t UserDecimalSeparator();
