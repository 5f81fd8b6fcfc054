#include "kit/checked.h"

#include <cmath>

namespace zerval {

FloatOverflow::FloatOverflow()
    : FloatError("Desbordamiento en una operación de coma flotante") {}
FloatDivideByZero::FloatDivideByZero()
    : FloatError("División por cero en coma flotante") {}
FloatInvalid::FloatInvalid()
    : FloatError("Operación de coma flotante no válida") {}

long double checked(long double result) {
    if (std::isnan(result)) throw FloatInvalid();
    if (std::isinf(result)) throw FloatOverflow();
    return result;
}

double narrow(long double value) {
    const double stored = static_cast<double>(checked(value));
    if (std::isinf(stored)) throw FloatOverflow();
    return stored;
}

double Ext::toDouble() const {
    return narrow(value_);
}

Ext operator+(Ext a, Ext b) {
    return Ext(checked(a.value_ + b.value_));
}
Ext operator-(Ext a, Ext b) {
    return Ext(checked(a.value_ - b.value_));
}
Ext operator*(Ext a, Ext b) {
    return Ext(checked(a.value_ * b.value_));
}
Ext operator/(Ext a, Ext b) {
    if (b.value_ == 0.0L) {
        if (a.value_ == 0.0L || std::isnan(a.value_)) throw FloatInvalid();
        throw FloatDivideByZero();
    }
    return Ext(checked(a.value_ / b.value_));
}

Ext floorExt(Ext x) {
    return Ext(checked(std::floor(x.raw())));
}
Ext sqrtExt(Ext x) {
    if (x.raw() < 0.0L) throw FloatInvalid();
    return Ext(checked(std::sqrt(x.raw())));
}
Ext powExt(Ext base, Ext exponent) {
    // Zero to a negative power is a pole: a division by zero, not an overflow.
    if (base.raw() == 0.0L && exponent.raw() < 0.0L) throw FloatDivideByZero();
    return Ext(checked(std::pow(base.raw(), exponent.raw())));
}

} // namespace zerval
