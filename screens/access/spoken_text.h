#pragma once

#include <QString>
#include <vector>

namespace screens {

// A shown text as a screen reader gets it: the signs a synthesizer reads badly ("·", "²") in
// words, with where each shown letter went, so the caret and selections carry over.
struct SpokenText {
    QString text;
    std::vector<int> at;  // the spoken offset of each shown offset, and of the end

    int shownOffset(int spoken) const;  // the shown letter a spoken offset falls in
};

SpokenText spokenForm(const QString& shown);

}  // namespace screens
