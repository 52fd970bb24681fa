#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace calc {

struct Working;

// The calculations' view of one screen's text fields, by field name ("txt1", "txt3Dec").
// Texts are UTF-8. A name the screen does not have raises RuntimeError (UnknownField).
class FieldAccess {
  public:
    virtual ~FieldAccess() = default;
    virtual std::string text(std::string_view name) = 0;
    virtual void setText(std::string_view name, std::string_view text) = 0;
    // Where a compute records what each result it writes was worked from; most keep no record.
    virtual Working* working() { return nullptr; }
};

// A plain table of texts that stands in for a screen.
class FieldTable : public FieldAccess {
  public:
    using Texts = std::map<std::string, std::string, std::less<>>;

    FieldTable() = default;
    explicit FieldTable(Texts texts) : texts_(std::move(texts)) {}

    std::string text(std::string_view name) override;
    void setText(std::string_view name, std::string_view text) override;

    const Texts& texts() const { return texts_; }

  private:
    std::string& field(std::string_view name);

    Texts texts_;
};

}  // namespace calc
