#include "screens/access/spoken_text.h"

#include <algorithm>
#include <array>
#include <utility>

namespace screens {

namespace {

// The words for each sign, spaced off from a letter, digit or sign beside it.
constexpr std::array kWords{
    std::pair{u'·', u"умножить на"},
    std::pair{u'²', u"в квадрате"},
    std::pair{u'³', u"в кубе"},
};

const char16_t* wordsFor(QChar sign) {
    for (const auto& [shown, words] : kWords)
        if (sign == shown) return words;
    return nullptr;
}

bool joins(const QString& text, qsizetype i) {
    return i >= 0 && i < text.size() && (text[i].isLetterOrNumber() || wordsFor(text[i]));
}

}  // namespace

SpokenText spokenForm(const QString& shown) {
    SpokenText spoken;
    spoken.at.reserve(shown.size() + 1);
    for (qsizetype i = 0; i < shown.size(); ++i) {
        spoken.at.push_back(static_cast<int>(spoken.text.size()));
        const char16_t* words = wordsFor(shown[i]);
        if (!words) {
            spoken.text += shown[i];
            continue;
        }
        if (joins(shown, i - 1)) spoken.text += u' ';
        spoken.text += QString::fromUtf16(words);
        if (joins(shown, i + 1) && !wordsFor(shown[i + 1]))
            spoken.text += u' ';  // a sign spaces itself
    }
    spoken.at.push_back(static_cast<int>(spoken.text.size()));
    return spoken;
}

int SpokenText::shownOffset(int spoken) const {
    const auto after = std::upper_bound(at.begin(), at.end(), spoken);
    return static_cast<int>(std::max<std::ptrdiff_t>(0, after - at.begin() - 1));
}

}  // namespace screens
