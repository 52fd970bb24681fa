// What a screen reader gets for a shown text: signs in words, every offset carried over.
#include <gtest/gtest.h>

#include <random>

#include "screens/access/spoken_text.h"

namespace screens {
namespace {

TEST(SpokenText, SignsInWordsSpacedOffLettersAndDigits) {
    const std::pair<const char*, const char*> cases[] = {
        {"S = a·b : 2", "S = a умножить на b : 2"},
        {"C = 2 · 3,14 · 2,5", "C = 2 умножить на 3,14 умножить на 2,5"},
        {"c = √(a² + b²)", "c = √(a в квадрате + b в квадрате)"},
        {"S = 3,14 · 2,5² = 19,625", "S = 3,14 умножить на 2,5 в квадрате = 19,625"},
        {"16³ = 4096", "16 в кубе = 4096"},
        {"a²·b", "a в квадрате умножить на b"},
        {"19,625", "19,625"},
        {"", ""},
    };
    for (const auto& [shown, spoken] : cases)
        EXPECT_EQ(spokenForm(QString::fromUtf8(shown)).text.toStdString(), spoken);
}

// Every shown letter keeps its place: an ordinary one is itself in the spoken text, and every
// spoken offset, words of a sign included, leads back to the letter it came from.
TEST(SpokenText, OffsetsGoBothWaysOverRandomTexts) {
    const QString letters = QStringLiteral("a1 ·²³(\n");
    std::mt19937 random(22);
    for (int run = 0; run < 2'000; ++run) {
        QString shown;
        for (int i = std::uniform_int_distribution(0, 12)(random); i > 0; --i)
            shown += letters[std::uniform_int_distribution<int>(0, letters.size() - 1)(random)];
        const SpokenText spoken = spokenForm(shown);
        const std::string text = shown.toStdString();
        ASSERT_EQ(spoken.at.size(), static_cast<std::size_t>(shown.size() + 1)) << text;
        EXPECT_EQ(spoken.at.back(), spoken.text.size()) << text;
        for (int i = 0; i < shown.size(); ++i) {
            if (!QStringLiteral("·²³").contains(shown[i])) {
                EXPECT_EQ(spoken.text[spoken.at[i]], shown[i]) << text;
            }
            for (int at = spoken.at[i]; at < spoken.at[i + 1]; ++at)
                EXPECT_EQ(spoken.shownOffset(at), i) << text << " at " << at;
        }
    }
}

}  // namespace
}  // namespace screens
