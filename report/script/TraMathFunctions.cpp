#include "TraSystemFunction.h"

#include "TraConversions.h"

#include <cmath>

// In extended precision. A result that is no number (the square root of -1)
// or infinite (the logarithm of 0) is an error, never a value.
namespace {

template <long double (*F)(long double)> void unary(TraBuiltinCall& call) {
    const long double result = F(call.extended(0));
    checkFinite(result);
    call.result.setExtended(result);
}

long double arcTan(long double x) {
    return std::atan(x);
}
long double cosine(long double x) {
    return std::cos(x);
}
long double hyperbolicCosine(long double x) {
    return std::cosh(x);
}
long double cotangent(long double x) {
    return 1.0L / std::tan(x);
}
long double exponential(long double x) {
    return std::exp(x);
}
long double fraction(long double x) {
    return x - std::trunc(x);
}
long double integerPart(long double x) {
    return std::trunc(x);
}
long double logarithm(long double x) {
    return std::log(x);
}
long double sine(long double x) {
    return std::sin(x);
}
long double square(long double x) {
    return x * x;
}
long double squareRoot(long double x) {
    return std::sqrt(x);
}
long double tangent(long double x) {
    return std::tan(x);
}
long double hyperbolicTangent(long double x) {
    return std::tanh(x);
}

void intPower(TraBuiltinCall& call) {
    const long double result = std::pow(call.extended(0), (long double)call.integer(1));
    checkFinite(result);
    call.result.setExtended(result);
}

void power(TraBuiltinCall& call) {
    const long double result = std::pow(call.extended(0), call.extended(1));
    checkFinite(result);
    call.result.setExtended(result);
}

void round(TraBuiltinCall& call) {
    call.result.setInteger(roundToInteger(call.extended(0)));
}
void truncate(TraBuiltinCall& call) {
    call.result.setInteger(truncateToInteger(call.extended(0)));
}

} // namespace

void appendMathFunctions(std::vector<TraSystemFunction>& list) {
    const TraFunctionGroup g = TraFunctionGroup::Math;
    list.push_back({"ArcTan", g, "function ArcTan(X: Extended): Extended;", unary<arcTan>});
    list.push_back({"Cos", g, "function Cos(X: Extended): Extended;", unary<cosine>});
    list.push_back({"Cosh", g, "function Cosh(X: Extended): Extended;", unary<hyperbolicCosine>});
    list.push_back({"Cotan", g, "function Cotan(X: Extended): Extended;", unary<cotangent>});
    list.push_back({"Exp", g, "function Exp(X: Extended): Extended;", unary<exponential>});
    list.push_back({"Frac", g, "function Frac(X: Extended): Extended;", unary<fraction>});
    list.push_back({"Int", g, "function Int(X: Extended): Extended;", unary<integerPart>});
    list.push_back(
        {"IntPower", g, "function IntPower(Base: Extended; Exponent: Integer): Extended;", intPower});
    list.push_back({"Ln", g, "function Ln(X: Extended): Extended;", unary<logarithm>});
    list.push_back({"Power", g, "function Power(Base, Exponent: Extended): Extended;", power});
    list.push_back({"Round", g, "function Round(X: Extended): Integer;", round});
    list.push_back({"Sin", g, "function Sin(X: Extended): Extended;", unary<sine>});
    list.push_back({"Sqr", g, "function Sqr(X: Extended): Extended;", unary<square>});
    list.push_back({"Sqrt", g, "function Sqrt(X: Extended): Extended;", unary<squareRoot>});
    list.push_back({"Tan", g, "function Tan(X: Extended): Extended;", unary<tangent>});
    list.push_back({"Tanh", g, "function Tanh(X: Extended): Extended;", unary<hyperbolicTangent>});
    list.push_back({"Trunc", g, "function Trunc(X: Extended): Integer;", truncate});
}
