// The phrasebook the tool speaks through, and the filling of a sentence's places.
#include "core/phrasebook.h"

#include <atomic>
#include <string>

namespace {

std::atomic<Phrasebook> spoken{nullptr};

} // namespace

void UsePhrasebook(Phrasebook phrasebook) {
    spoken.store(phrasebook);
}

Text Phrase(const char* context, const char* italian) {
    const Phrasebook phrasebook = spoken.load();
    return phrasebook == nullptr ? TextFromUtf8(italian) : phrasebook(context, italian);
}

Text Filled(Text sentence, const std::vector<Text>& arguments) {
    for (std::size_t k = arguments.size(); k >= 1; --k) {
        const Text place = u"%" + TextFromUtf8(std::to_string(k));
        for (auto at = sentence.find(place); at != Text::npos;
             at = sentence.find(place, at + arguments[k - 1].size())) {
            sentence.replace(at, place.size(), arguments[k - 1]);
        }
    }
    return sentence;
}
