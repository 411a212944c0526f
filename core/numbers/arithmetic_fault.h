#pragma once

#include <stdexcept>
#include <string>

namespace sredna {

// The one error the core raises when arithmetic leaves the range it can
// represent. The window's own operations never reach it; a caller that feeds
// the core arbitrary data does, and Calculate turns it into a report line.
class ArithmeticFault : public std::runtime_error {
public:
    enum class Kind { Overflow, DivisionByZero, MissingWeight, NotANumber };

    explicit ArithmeticFault(Kind kind);

    Kind kind() const { return kind_; }

    // The Bulgarian line shown to the pupil, without a line break.
    static std::string messageFor(Kind kind);

    // Every message starts with this, so a reader can tell a fault apart.
    static constexpr const char* kPrefix = "Аритметична грешка: ";

private:
    Kind kind_;
};

}  // namespace sredna
