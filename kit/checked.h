#pragma once

#include <stdexcept>

namespace zerval {

// Floating-point failures are errors in this program, never infinities or NaNs: the guards
// of the converter windows catch them to reset a window whose numbers ran out of range.
class FloatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
class FloatOverflow : public FloatError {
public:
    FloatOverflow();
};
class FloatDivideByZero : public FloatError {
public:
    FloatDivideByZero();
};
class FloatInvalid : public FloatError {
public:
    FloatInvalid();
};

// An extended-precision (80-bit) number whose arithmetic raises FloatError where the result
// is no longer finite. Conversion factors are written as Ext so that products are formed at
// extended precision; toDouble() stores the result, raising FloatOverflow when it does not fit.
class Ext {
public:
    constexpr Ext() = default;
    constexpr Ext(long double value)
        : value_(value) {}
    constexpr Ext(double value)
        : value_(value) {}
    constexpr Ext(int value)
        : value_(value) {}

    constexpr long double raw() const { return value_; }
    double toDouble() const;

    friend Ext operator+(Ext a, Ext b);
    friend Ext operator-(Ext a, Ext b);
    friend Ext operator*(Ext a, Ext b);
    friend Ext operator/(Ext a, Ext b);
    Ext operator-() const { return Ext(-value_); }
    friend bool operator<(Ext a, Ext b) { return a.value_ < b.value_; }
    friend bool operator>(Ext a, Ext b) { return a.value_ > b.value_; }
    friend bool operator<=(Ext a, Ext b) { return a.value_ <= b.value_; }
    friend bool operator>=(Ext a, Ext b) { return a.value_ >= b.value_; }
    friend bool operator==(Ext a, Ext b) { return a.value_ == b.value_; }

private:
    long double value_ = 0.0L;
};

// Checks an extended result: NaN is an invalid operation, an infinity an overflow.
long double checked(long double result);
// Narrows an extended value to a double, raising FloatOverflow beyond the double range.
double narrow(long double value);

// Checked counterparts of the library functions the windows use.
Ext floorExt(Ext x);
Ext sqrtExt(Ext x);
Ext powExt(Ext base, Ext exponent);

} // namespace zerval
