#pragma once

#include "core/conversions.h"

#include <vector>

// The tool writes its sentences in Italian. Another language comes from a phrasebook: a
// function that gives a whole Italian sentence of a context in that language. A sentence with
// places (%1, %2, ...) is looked up whole, before its places are filled, so that a translation
// may put the places where its language wants them.
using Phrasebook = Text (*)(const char* context, const char* italian);

// Speaks through `phrasebook` from now on; nullptr speaks Italian. Any thread may speak while
// another one changes the phrasebook.
void UsePhrasebook(Phrasebook phrasebook);

// `italian` (UTF-8) of `context` in the language spoken.
Text Phrase(const char* context, const char* italian);

// The template with %1, %2, ... replaced by the arguments in order.
Text Filled(Text sentence, const std::vector<Text>& arguments);
