#include "core/numbers/arithmetic_fault.h"

namespace sredna {

ArithmeticFault::ArithmeticFault(Kind kind) : std::runtime_error(messageFor(kind)), kind_(kind) {}

std::string ArithmeticFault::messageFor(Kind kind) {
    std::string text = kPrefix;
    switch (kind) {
        case Kind::Overflow:
            return text + "числото е извън допустимия обхват!";
        case Kind::DivisionByZero:
            return text + "деление на нула!";
        case Kind::MissingWeight:
            return text + "липсва тегло за някоя от стойностите!";
        case Kind::NotANumber:
            return text + "резултатът не е число!";
    }
    return text;
}

}  // namespace sredna
