#pragma once

#include <QLineEdit>
#include <map>
#include <string>

#include "calc/field_access.h"

namespace screens {

// A screen's text boxes by name, as the calculations see them.
class ScreenFields : public calc::FieldAccess {
  public:
    void add(std::string name, QLineEdit* box) { boxes_.emplace(std::move(name), box); }

    std::string text(std::string_view name) override;
    void setText(std::string_view name, std::string_view text) override;
    std::string caption(std::string_view name) const override;
    QLineEdit* find(std::string_view name) const;  // null where the screen has no such field
    QLineEdit& at(std::string_view name);          // raises where the screen has no such field

  private:
    std::map<std::string, QLineEdit*, std::less<>> boxes_;
};

}  // namespace screens
