#include "solution/pattern.h"

#include <algorithm>
#include <vector>

#include "solution/number_text.h"

namespace solution {

namespace {

constexpr std::string_view kEquals = " = ";
constexpr std::string_view kAbout = " ≈ ";

// The line being written, with where its last "=" stands and whether a rounded value has come
// since.
struct Line {
    std::string text;
    std::size_t equalsAt = std::string::npos;
    bool roundedSince = false;

    void closeStretch() {
        if (roundedSince && equalsAt != std::string::npos)
            text.replace(equalsAt, kEquals.size(), kAbout);
        equalsAt = std::string::npos;
        roundedSince = false;
    }
};

}  // namespace

std::string filled(std::string_view pattern, const Lookup& lookup) {
    Line line;
    std::string text;
    std::vector<std::string_view> named;
    while (!pattern.empty()) {
        if (pattern.starts_with(kEquals) || pattern.starts_with(kAbout)) {
            line.closeStretch();
            if (pattern.starts_with(kEquals)) line.equalsAt = line.text.size();
            std::string_view sign = pattern.starts_with(kEquals) ? kEquals : kAbout;
            line.text += sign;
            pattern.remove_prefix(sign.size());
        } else if (pattern.front() == '\n') {
            line.closeStretch();
            text += line.text + "\n";
            line = {};
            pattern.remove_prefix(1);
        } else if (std::size_t close = pattern.find('}');
                   pattern.front() == '{' && close != std::string_view::npos) {
            std::string_view name = pattern.substr(1, close - 1);
            pattern.remove_prefix(close + 1);
            std::optional<Filled> value = lookup(name);
            if (!value) {
                line.text.append("{").append(name).append("}");
                continue;
            }
            // A rounded value makes "≈" where the working arrives at it; where it comes back
            // as an operand, the numbers on both sides are the same.
            bool arrives = std::find(named.begin(), named.end(), name) == named.end();
            named.push_back(name);
            line.roundedSince = line.roundedSince || (value->rounded && arrives);
            bool endsLine = pattern.empty() || pattern.front() == '\n';
            const std::string& text =
                arrives && !value->arrival.empty() ? value->arrival : value->text;
            line.text += endsLine ? unbracketed(text) : text;
        } else {
            line.text += pattern.front();
            pattern.remove_prefix(1);
        }
    }
    line.closeStretch();
    return text + line.text;
}

std::string wordsWith(std::string_view pattern, std::initializer_list<std::string_view> values) {
    return filled(pattern, [&](std::string_view name) -> std::optional<Filled> {
        if (name.size() != 1) return std::nullopt;
        std::size_t i = static_cast<std::size_t>(name.front() - '1');
        if (i >= values.size()) return std::nullopt;
        return Filled{std::string(values.begin()[i])};
    });
}

}  // namespace solution
